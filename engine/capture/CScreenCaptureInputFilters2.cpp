#include "CScreenCaptureInputFilters2.h"

#include "CScreenCaptureFilter.h"

const char* const CScreenCaptureInputFilters2::kScreenError = "Unable to load screen capture.";
const char* const CScreenCaptureInputFilters2::kAudioError = "Unable to load audio devices.";

CScreenCaptureInputFilters2::CScreenCaptureInputFilters2(CDirectShowGraph* graph)
    : CAudioCaptureInputFilters2(graph), m_screen(new CScreenCaptureFilter(graph, "Screen Capture"))
{
}

CScreenCaptureInputFilters2::~CScreenCaptureInputFilters2()
{
    CScreenCaptureInputFilters2::Release();
    delete m_screen;
}

void CScreenCaptureInputFilters2::SetCapture(EScreenCapture capture) { m_screen->SetCapture(capture); }
void CScreenCaptureInputFilters2::SetX(unsigned short x) { m_screen->SetX(x); }
void CScreenCaptureInputFilters2::SetY(unsigned short y) { m_screen->SetY(y); }
void CScreenCaptureInputFilters2::SetWidth(unsigned short width) { m_screen->SetWidth(width); }
void CScreenCaptureInputFilters2::SetHeight(unsigned short height) { m_screen->SetHeight(height); }
void CScreenCaptureInputFilters2::SetWindow(HWND window) { m_screen->SetWindow(window); }
void CScreenCaptureInputFilters2::SetCaptureCursor(bool on) { m_screen->SetCaptureCursor(on); }
void CScreenCaptureInputFilters2::SetBlockSize(unsigned short size) { m_screen->SetBlockSize(size); }
void CScreenCaptureInputFilters2::SetFrameRate(double rate) { m_screen->SetFrameRate(rate); }

bool CScreenCaptureInputFilters2::CreateSelf()
{
    m_screen->SetGraph(m_graph);
    if (!m_screen->Create()) {
        SetErrorText(kScreenError);
        Release();
        return false;
    }
    return !m_wantsAudio || CreateAudio(kAudioError);
}

void CScreenCaptureInputFilters2::Release()
{
    m_screen->Release();
    CAudioCaptureInputFilters2::Release();
}

bool CScreenCaptureInputFilters2::Connect()
{
    return !m_wantsAudio || CAudioCaptureInputFilters2::Connect();
}

void CScreenCaptureInputFilters2::Disconnect()
{
    if (m_wantsAudio) CAudioCaptureInputFilters2::Disconnect();
}

int CScreenCaptureInputFilters2::GetVideoPinCount(EOutputType type)
{
    return type == kOutputProcessing && m_screen->GetFilter() ? 1 : 0;
}

CFilterPin* CScreenCaptureInputFilters2::GetVideoPin(EOutputType type, int index)
{
    return GetVideoPinCount(type) > 0 && index == 0 ? m_screen->GetCapturePin() : nullptr;
}

int CScreenCaptureInputFilters2::GetAudioPinCount(EOutputType type)
{
    return m_wantsAudio ? CAudioCaptureInputFilters2::GetAudioPinCount(type) : 0;
}

CFilterPin* CScreenCaptureInputFilters2::GetAudioPin(EOutputType type, int index)
{
    return m_wantsAudio ? CAudioCaptureInputFilters2::GetAudioPin(type, index) : nullptr;
}
