#include "CRecordingWindow2.h"

#include "CDirectShowAdministrator2.h"
#include "UDrawingUtils.h"
#include "UTimecodeUtils.h"
#include "afx/gdi/CPaintDC.h"
#include "win32/fonts/Font.h"
#include "win32/kernel/KernelTime.h"

namespace {
constexpr UINT kRefreshMs = 500;
constexpr COLORREF kLightBlue = 0xFFAEAE;
constexpr UINT kTextFormat = DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;
} // namespace

BEGIN_MESSAGE_MAP(CRecordingWindow2, CWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CRecordingWindow2::CRecordingWindow2()
{
    m_timer.AddListener(this);
}

CRecordingWindow2::~CRecordingWindow2()
{
    m_timer.Deactivate();
    if (m_administrator) m_administrator->RemoveListener(this);
}

void CRecordingWindow2::SetAdministrator(CDirectShowAdministrator2* administrator)
{
    m_start = 0;
    if (administrator != m_administrator) {
        if (m_administrator) m_administrator->RemoveListener(this);
        m_administrator = administrator;
        if (m_administrator) m_administrator->AddListener(this);
    }
    ShowState();
}

bool CRecordingWindow2::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == CDirectShowAdministrator2::kGraphStateMessage) {
        Refresh();
        return true;
    }
    if (message == kTimerTickMessage && p == &m_timer) {
        ShowState();
        return true;
    }
    // A dying administrator must not be asked for its state again.
    if (message == 0 && p == m_administrator) m_administrator = nullptr;
    return CListener::ListenToMessage(message, p, q);
}

void CRecordingWindow2::Refresh()
{
    if (m_administrator && m_administrator->IsPaused())
        Pause();
    else if (m_administrator && m_administrator->IsPlaying())
        Play();
    else
        Stop();
}

void CRecordingWindow2::Play()
{
    const DWORD now = timeGetTime();
    if (m_start) {
        if (m_pauseTime) m_pausedTotal += now - m_pauseTime;
        m_pauseTime = 0;
    } else {
        m_start = now;
        m_pauseTime = 0;
        m_pausedTotal = 0;
    }
    m_timer.Activate(kRefreshMs);
    ShowState();
}

void CRecordingWindow2::Pause()
{
    m_pauseTime = timeGetTime();
    m_timer.Deactivate();
    ShowState();
}

void CRecordingWindow2::Stop()
{
    m_start = m_pauseTime = m_pausedTotal = 0;
    m_timer.Deactivate();
    ShowState();
}

CString CRecordingWindow2::CalculateStatus()
{
    if (m_administrator && m_administrator->IsPlaying()) return "Recording...";
    if (m_administrator && m_administrator->IsPaused()) return "Paused";
    return "Ready";
}

CString CRecordingWindow2::CalculateTimecode()
{
    if (m_administrator && m_administrator->IsPlaying())
        return UTimecodeUtils::FormatShort(double(timeGetTime() - m_pausedTotal - m_start) * 0.001);
    if (m_administrator && m_administrator->IsPaused())
        return UTimecodeUtils::FormatShort(double(m_pauseTime - m_pausedTotal - m_start) * 0.001);
    return "00:00:00";
}

void CRecordingWindow2::ShowState()
{
    SetStatus(CalculateStatus());
    SetTimecode(CalculateTimecode());
}

CRect CRecordingWindow2::TextArea()
{
    CRect area;
    if (GetSafeHwnd()) GetClientRect(&area);
    area.DeflateRect(1, 1);
    return area;
}

void CRecordingWindow2::PlaceText(const char* text, CString& stored, CRect& placed, CFont* font,
                                  bool centredAtBottom)
{
    if (stored == text) return;
    stored = text;
    if (!GetSafeHwnd()) return;
    const CRect area = TextArea();
    CRect measured = area;
    CDC* dc = GetDC();
    CFont* old = dc->SelectObject(font);
    dc->DrawText(stored, -1, &measured, kTextFormat | DT_CALCRECT);
    dc->SelectObject(old);
    if (centredAtBottom) {
        const int width = measured.Width(), height = measured.Height();
        measured.left = (area.Width() - width) / 2 + 2;
        measured.right = measured.left + width;
        measured.bottom = area.bottom;
        measured.top = area.bottom - height;
    }
    if (measured != placed) {
        CRect both;
        both.UnionRect(&placed, &measured);
        placed = measured;
        InvalidateRect(&both);
        UpdateWindow();
    } else {
        DrawOneText(dc, stored, placed, font, centredAtBottom ? DT_CENTER | DT_BOTTOM : DT_LEFT);
    }
    ReleaseDC(dc);
}

void CRecordingWindow2::SetStatus(const char* text)
{
    PlaceText(text, m_status, m_statusRect, UDrawingUtils::GetFont(), false);
}

void CRecordingWindow2::SetTimecode(const char* text)
{
    PlaceText(text, m_timecode, m_timecodeRect, UDrawingUtils::GetCourier18Bold(), true);
}

void CRecordingWindow2::DrawOneText(CDC* dc, const CString& text, const CRect& rect, CFont* font, UINT format)
{
    CFont* old = dc->SelectObject(font);
    dc->SetBkColor(kLightBlue);
    CRect target = rect;
    dc->DrawText(text, -1, &target, kTextFormat | format);
    dc->SelectObject(old);
}

void CRecordingWindow2::DrawStatusText(CDC* dc)
{
    DrawOneText(dc, m_status, m_statusRect, UDrawingUtils::GetFont(), DT_LEFT);
}

void CRecordingWindow2::DrawTimecodeText(CDC* dc)
{
    DrawOneText(dc, m_timecode, m_timecodeRect, UDrawingUtils::GetCourier18Bold(), DT_CENTER | DT_BOTTOM);
}

int CRecordingWindow2::OnCreate(LPCREATESTRUCT create)
{
    const int result = CWnd::OnCreate(create);
    ShowState();
    return result;
}

void CRecordingWindow2::OnClose()
{
    m_timer.Deactivate();
    CWnd::OnClose();
}

BOOL CRecordingWindow2::OnEraseBkgnd(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    dc->FillRect(&client, UDrawingUtils::GetLightBlueBrush());
    return TRUE;
}

void CRecordingWindow2::OnPaint()
{
    CPaintDC dc(this);
    if (m_status.IsEmpty()) {
        m_status = CalculateStatus();
        m_timecode = CalculateTimecode();
    }
    CRect client;
    GetClientRect(&client);
    dc.FillRect(&client, UDrawingUtils::GetLightBlueBrush());
    DrawStatusText(&dc);
    DrawTimecodeText(&dc);
}
