#include "CVideoCapture3dInputFilters2.h"

#include "CVideoCaptureFilter.h"

const char* const CVideoCapture3dInputFilters2::kVideo2Error = "Unable to load the second video device.";

CVideoCapture3dInputFilters2::CVideoCapture3dInputFilters2(CDirectShowGraph* graph)
    : CVideoCaptureInputFilters2(graph), m_videoCapture2(new CVideoCaptureFilter(graph, "Video Capture 2"))
{
}

CVideoCapture3dInputFilters2::~CVideoCapture3dInputFilters2()
{
    CVideoCapture3dInputFilters2::Release();
    delete m_videoCapture2;
}

void CVideoCapture3dInputFilters2::SetVideoDevice2(const char* displayName) { m_videoCapture2->SetDevice(displayName); }

void CVideoCapture3dInputFilters2::SetWidth(unsigned short width)
{
    CVideoCaptureInputFilters2::SetWidth(width);
    m_videoCapture2->SetWidth(width);
}

void CVideoCapture3dInputFilters2::SetHeight(unsigned short height)
{
    CVideoCaptureInputFilters2::SetHeight(height);
    m_videoCapture2->SetHeight(height);
}

void CVideoCapture3dInputFilters2::SetFrameRate(double rate)
{
    CVideoCaptureInputFilters2::SetFrameRate(rate);
    m_videoCapture2->SetFrameRate(rate);
}

bool CVideoCapture3dInputFilters2::HasSettings2() { return m_videoCapture2->HasSettings(); }
bool CVideoCapture3dInputFilters2::ShowSettings2() { return m_videoCapture2->ShowSettings(); }

bool CVideoCapture3dInputFilters2::CreateSelf()
{
    if (!CreateVideo()) return false;
    m_videoCapture2->SetGraph(m_graph);
    if (!m_videoCapture2->Create()) {
        SetErrorText(kVideo2Error);
        Release();
        return false;
    }
    return !m_wantsAudio || CreateAudio(kAudioError);
}

void CVideoCapture3dInputFilters2::Release()
{
    m_videoCapture2->Release();
    CVideoCaptureInputFilters2::Release();
}

int CVideoCapture3dInputFilters2::GetVideoPinCount(EOutputType type)
{
    const int first = CVideoCaptureInputFilters2::GetVideoPinCount(type);
    return first > 0 && m_videoCapture2->GetFilter() ? 2 : first;
}

CFilterPin* CVideoCapture3dInputFilters2::GetVideoPin(EOutputType type, int index)
{
    if (index == 1) return GetVideoPinCount(type) == 2 ? m_videoCapture2->GetCapturePin() : nullptr;
    return CVideoCaptureInputFilters2::GetVideoPin(type, index);
}
