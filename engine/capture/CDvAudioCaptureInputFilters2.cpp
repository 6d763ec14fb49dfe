#include "CDvAudioCaptureInputFilters2.h"

#include "CFilterPin.h"
#include "CSplitterFilter.h"
#include "CUntimedRenderer.h"
#include "CVideoCaptureFilter.h"
#include "UDvSplitter.h"

const char* const CDvAudioCaptureInputFilters2::kSplitterError = "Unable to load DV splitter.";
const char* const CDvAudioCaptureInputFilters2::kVideoBlockError = "Unable to load video block.";
const char* const CDvAudioCaptureInputFilters2::kConnectSplitterError = "Unable to connect the splitter.";
const char* const CDvAudioCaptureInputFilters2::kConnectVideoBlockError = "Unable to connect video block.";

CDvAudioCaptureInputFilters2::CDvAudioCaptureInputFilters2(CDirectShowGraph* graph)
    : CDvCaptureInputFilters2(graph), m_splitter(UDvSplitter::Make(graph)),
      m_videoBlock(new CUntimedRenderer(graph, "Video Block"))
{
}

CDvAudioCaptureInputFilters2::~CDvAudioCaptureInputFilters2()
{
    CDvAudioCaptureInputFilters2::Release();
    delete m_videoBlock;
}

bool CDvAudioCaptureInputFilters2::CreateSelf()
{
    if (!CDvCaptureInputFilters2::CreateSelf()) return false;
    m_splitter->SetGraph(m_graph);
    m_videoBlock->SetGraph(m_graph);
    const char* error = !m_splitter->Create() ? kSplitterError : !m_videoBlock->Create() ? kVideoBlockError : nullptr;
    if (!error) return true;
    SetErrorText(error);
    Release();
    return false;
}

void CDvAudioCaptureInputFilters2::Release()
{
    m_videoBlock->Release();
    m_splitter->Release();
    CDvCaptureInputFilters2::Release();
}

bool CDvAudioCaptureInputFilters2::Connect()
{
    if (!m_dvCapture->GetCapturePin()->Connect(m_splitter->GetInputPin(), nullptr)) {
        SetErrorText(kConnectSplitterError);
        return false;
    }
    CFilterPin* video = m_splitter->GetVideoPin(0);
    if (!video || !video->Connect(m_videoBlock->GetInputPin(), nullptr)) {
        SetErrorText(kConnectVideoBlockError);
        return false;
    }
    return true;
}

void CDvAudioCaptureInputFilters2::Disconnect()
{
    m_videoBlock->GetInputPin()->Disconnect();
    m_splitter->GetInputPin()->Disconnect();
}

int CDvAudioCaptureInputFilters2::GetAudioPinCount(EOutputType type)
{
    return type == kOutputProcessing && m_splitter->GetFilter() && m_splitter->GetAudioPinCount() > 0 ? 1 : 0;
}

CFilterPin* CDvAudioCaptureInputFilters2::GetAudioPin(EOutputType type, int index)
{
    return GetAudioPinCount(type) > 0 && index == 0 ? m_splitter->GetAudioPin(0) : nullptr;
}
