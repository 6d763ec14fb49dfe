#include "CDv3dPreviewBridge.h"

#include "C3dMixFilter.h"
#include "CDecoderFilter.h"
#include "CSmartTeeFilter.h"
#include "CSplitterFilter.h"
#include "UDvSplitter.h"
#include "dshow/decoders/DecoderIds.h"

namespace {

std::unique_ptr<CDecoderFilter> DvDecoder(CDirectShowGraph* graph, const char* name)
{
    auto decoder = std::make_unique<CDecoderFilter>(graph, name);
    decoder->SetId(CLSID_DvVideoDecoder);
    decoder->SetSystemComponent(true);
    return decoder;
}

} // namespace

CDv3dPreviewBridge::CDv3dPreviewBridge(CDirectShowGraph* graph)
    : C3dPreviewBridge(graph), m_splitter(UDvSplitter::Make(graph, "Splitter")), m_splitter2(UDvSplitter::Make(graph, "Splitter 2")),
      m_decoder(DvDecoder(graph, "Decoder")), m_decoder2(DvDecoder(graph, "Decoder 2"))
{
}

CDv3dPreviewBridge::~CDv3dPreviewBridge()
{
    CDv3dPreviewBridge::Release();
}

std::vector<CDirectShowFilter*> CDv3dPreviewBridge::Filters()
{
    return {m_splitter.get(), m_splitter2.get(), m_tee.get(), m_tee2.get(), m_decoder.get(), m_decoder2.get(), m_mix.get()};
}

bool CDv3dPreviewBridge::VerifyInput()
{
    return m_input && InputStreams() == 2;
}

bool CDv3dPreviewBridge::Connect()
{
    return Link(m_input->GetStreamPin(0), m_splitter->GetInputPin())
        && Link(m_input->GetStreamPin(1), m_splitter2->GetInputPin())
        && Link(m_splitter->GetVideoPin(0), m_tee->GetInputPin())
        && Link(m_splitter2->GetVideoPin(0), m_tee2->GetInputPin())
        && Link(m_tee->GetPreviewPin(), m_decoder->GetInputPin())
        && Link(m_tee2->GetPreviewPin(), m_decoder2->GetInputPin())
        && Link(m_decoder->GetOutputPin(), m_mix->GetInputPin(0))
        && Link(m_decoder2->GetOutputPin(), m_mix->GetInputPin(1));
}

int CDv3dPreviewBridge::GetVideoPinCount(EOutputType type)
{
    return type == kOutputRender && m_mix->GetFilter() ? 1 : 0;
}

CFilterPin* CDv3dPreviewBridge::GetVideoPin(EOutputType type, int index)
{
    return index == 0 && GetVideoPinCount(type) > 0 ? m_mix->GetOutputPin() : nullptr;
}

int CDv3dPreviewBridge::GetAudioPinCount(EOutputType type)
{
    if (!m_splitter->GetFilter()) return 0;
    if (type == kOutputNil) return m_splitter->GetAudioPinCount() > 1 ? 1 : 0;
    if (type == kOutputProcessing) return m_splitter->GetAudioPinCount() > 0 ? 1 : 0;
    return 0;
}

CFilterPin* CDv3dPreviewBridge::GetAudioPin(EOutputType type, int index)
{
    if (index != 0 || GetAudioPinCount(type) == 0) return nullptr;
    return m_splitter->GetAudioPin(type == kOutputNil ? 1 : 0);
}

int CDv3dPreviewBridge::GetStreamPinCount()
{
    return m_tee->GetFilter() && m_tee2->GetFilter() ? 2 : 0;
}

CFilterPin* CDv3dPreviewBridge::GetStreamPin(int index)
{
    if (index < 0 || index >= GetStreamPinCount()) return nullptr;
    return index == 0 ? m_tee->GetCapturePin() : m_tee2->GetCapturePin();
}
