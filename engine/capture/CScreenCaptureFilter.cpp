#include "CScreenCaptureFilter.h"

#include "CFilterPin.h"
#include "EncoderSetIds.h"
#include "RequiredInterface.h"
#include "dshow/interfaces/ScreenCaptureSettings.h"

CScreenCaptureFilter::CScreenCaptureFilter(CDirectShowGraph* graph, const char* name)
    : m_capturePin(new CFilterPin(this, "", false))
{
    m_capturePin->SetIndex(0);
    SetGraph(graph);
    SetName(name);
    SetId(CLSID_ScreenCapture);
    SetOwnComponent(true);
}

CScreenCaptureFilter::~CScreenCaptureFilter()
{
    CScreenCaptureFilter::Release();
    delete m_capturePin;
}

bool CScreenCaptureFilter::Create()
{
    if (m_filter) return true;
    if (!CreateRequiring(*this, m_settings)) return false;
    m_settings->SetCapture(LONG(m_capture));
    m_settings->SetX(m_x);
    m_settings->SetY(m_y);
    m_settings->SetWidth(m_width);
    m_settings->SetHeight(m_height);
    m_settings->SetWindow(m_window);
    m_settings->SetCaptureCursor(m_cursor ? TRUE : FALSE);
    m_settings->SetBlockSize(m_blockSize);
    m_settings->SetFrameRate(m_frameRate);
    return true;
}

void CScreenCaptureFilter::Release()
{
    SafeRelease(m_settings);
    m_capturePin->Release();
    CDirectShowFilter::Release();
}
