#include "CVideoCaptureInputFilters2.h"

#include "CFilterPin.h"
#include "CTimeStampFilter.h"
#include "CVideoCaptureFilter.h"
#include "dshow/interfaces/TimeStampSettings.h"

const char* const CVideoCaptureInputFilters2::kVideoError = "Unable to load video device.";
const char* const CVideoCaptureInputFilters2::kAudioError = "Unable to load audio device.";

CVideoCaptureInputFilters2::CVideoCaptureInputFilters2(CDirectShowGraph* graph)
    : CAudioCaptureInputFilters2(graph), m_videoCapture(new CVideoCaptureFilter(graph, "Video Capture")),
      m_timeStamp(new CTimeStampFilter(graph, "Time Stamp"))
{
}

CVideoCaptureInputFilters2::~CVideoCaptureInputFilters2()
{
    CVideoCaptureInputFilters2::Release();
    delete m_timeStamp;
    delete m_videoCapture;
}

void CVideoCaptureInputFilters2::SetVideoDevice(const char* displayName) { m_videoCapture->SetDevice(displayName); }
void CVideoCaptureInputFilters2::SetWidth(unsigned short width) { m_videoCapture->SetWidth(width); }
void CVideoCaptureInputFilters2::SetHeight(unsigned short height) { m_videoCapture->SetHeight(height); }
void CVideoCaptureInputFilters2::SetFrameRate(double rate) { m_videoCapture->SetFrameRate(rate); }

void CVideoCaptureInputFilters2::SetWantsTimeStamp(bool on)
{
    m_wantsTimeStamp = on;
    if (ITimeStampSettings* settings = m_timeStamp->GetSettings()) settings->SetStamping(on ? 1 : 0);
}

bool CVideoCaptureInputFilters2::HasSettings() { return m_videoCapture->HasSettings(); }
bool CVideoCaptureInputFilters2::ShowSettings() { return m_videoCapture->ShowSettings(); }

bool CVideoCaptureInputFilters2::CreateVideo()
{
    m_videoCapture->SetGraph(m_graph);
    if (!m_videoCapture->Create()) {
        SetErrorText(kVideoError);
        Release();
        return false;
    }
    m_timeStamp->SetGraph(m_graph);
    if (!m_timeStamp->Create()) {
        Release();
        return false;
    }
    m_timeStamp->GetSettings()->SetStamping(m_wantsTimeStamp ? 1 : 0);
    return true;
}

bool CVideoCaptureInputFilters2::CreateSelf()
{
    return CreateVideo() && (!m_wantsAudio || CreateAudio(kAudioError));
}

void CVideoCaptureInputFilters2::Release()
{
    m_timeStamp->Release();
    m_videoCapture->Release();
    CAudioCaptureInputFilters2::Release();
}

bool CVideoCaptureInputFilters2::Connect()
{
    if (!m_videoCapture->GetCapturePin()->Connect(m_timeStamp->GetInputPin(), nullptr)) return false;
    return !m_wantsAudio || CAudioCaptureInputFilters2::Connect();
}

void CVideoCaptureInputFilters2::Disconnect()
{
    m_timeStamp->GetInputPin()->Disconnect();
    if (m_wantsAudio) CAudioCaptureInputFilters2::Disconnect();
}

int CVideoCaptureInputFilters2::GetVideoPinCount(EOutputType type)
{
    return type == kOutputProcessing && m_videoCapture->GetFilter() ? 1 : 0;
}

CFilterPin* CVideoCaptureInputFilters2::GetVideoPin(EOutputType type, int index)
{
    return type == kOutputProcessing && index == 0 && m_videoCapture->GetFilter() ? m_timeStamp->GetOutputPin()
                                                                                    : nullptr;
}

int CVideoCaptureInputFilters2::GetAudioPinCount(EOutputType type)
{
    return m_wantsAudio ? CAudioCaptureInputFilters2::GetAudioPinCount(type) : 0;
}

CFilterPin* CVideoCaptureInputFilters2::GetAudioPin(EOutputType type, int index)
{
    return m_wantsAudio ? CAudioCaptureInputFilters2::GetAudioPin(type, index) : nullptr;
}
