#include "CColorStatic.h"

#include "afx/gdi/CDC.h"
#include "afx/windows/MessageMap.h"
#include "win32/gdi/Gdi.h"

BEGIN_MESSAGE_MAP(CColorStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

void Recreate(CBrush& brush, COLORREF colour)
{
    brush.DeleteObject();
    brush.CreateSolidBrush(colour);
}

} // namespace

CColorStatic::CColorStatic()
{
    COLORREF text = GetSysColor(COLOR_BTNTEXT);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    m_textColour = m_blinkText[0] = m_blinkText[1] = text;
    m_bkColour = m_blinkBk[0] = m_blinkBk[1] = face;
    m_bkBrush.CreateSolidBrush(face);
    m_blinkBrush[0].CreateSolidBrush(face);
    m_blinkBrush[1].CreateSolidBrush(face);
}

void CColorStatic::Repaint()
{
    if (m_hWnd) Invalidate(TRUE);
}

void CColorStatic::SetTextColor(COLORREF colour)
{
    m_textColour = colour == COLORREF(-1) ? GetSysColor(COLOR_BTNTEXT) : colour;
    Repaint();
}

void CColorStatic::SetBkColor(COLORREF colour)
{
    m_bkColour = colour == COLORREF(-1) ? GetSysColor(COLOR_BTNFACE) : colour;
    Recreate(m_bkBrush, m_bkColour);
    Repaint();
}

void CColorStatic::SetBlinkTextColors(COLORREF first, COLORREF second)
{
    m_blinkText[0] = first;
    m_blinkText[1] = second;
}

void CColorStatic::SetBlinkBkColors(COLORREF first, COLORREF second)
{
    m_blinkBk[0] = first;
    m_blinkBk[1] = second;
    Recreate(m_blinkBrush[0], first);
    Recreate(m_blinkBrush[1], second);
    Repaint();
}

void CColorStatic::StartBlink(int& mode, int& phase, int newMode, UINT speed)
{
    if (m_timer) {
        KillTimer(m_timer);
        m_timer = 0;
    }
    phase = 0;
    mode = newMode;
    if (mode != 1 || !m_hWnd) return;
    UINT period = speed == 0 ? 2000 : speed == 1 ? 1000 : speed == 2 ? 500 : speed;
    m_timer = SetTimer(kBlinkTimerId, period, nullptr);
}

void CColorStatic::StartTextBlink(int mode, UINT speed) { StartBlink(m_textBlink, m_textPhase, mode, speed); }

void CColorStatic::StartBkBlink(int mode, UINT speed) { StartBlink(m_bkBlink, m_bkPhase, mode, speed); }

void CColorStatic::EnableNotify(CWnd* window, UINT message)
{
    m_notify = window;
    m_notifyMessage = message;
}

HBRUSH CColorStatic::CtlColor(CDC* dc, UINT)
{
    dc->SetTextColor(m_textBlink == 1 ? m_blinkText[m_textPhase] : m_textColour);
    if (m_bkBlink == 1) {
        dc->SetBkColor(m_blinkBk[m_bkPhase]);
        return m_blinkBrush[m_bkPhase];
    }
    dc->SetBkColor(m_bkColour);
    return m_bkBrush;
}

void CColorStatic::OnTimer(UINT_PTR id)
{
    if (id != kBlinkTimerId) {
        CStatic::OnTimer(id);
        return;
    }
    if (m_textBlink == 1) m_textPhase ^= 1;
    if (m_bkBlink == 1) m_bkPhase ^= 1;
    if (m_textBlink != 1 && m_bkBlink != 1) return;
    Repaint();
    if (m_notify && m_notify->GetSafeHwnd() && (m_textPhase == 1 || m_bkPhase == 1))
        m_notify->PostMessage(m_notifyMessage, WPARAM(GetDlgCtrlID()), 0);
}

void CColorStatic::OnDestroy()
{
    CStatic::OnDestroy();
    if (m_timer) KillTimer(m_timer);
    m_timer = 0;
    m_bkBrush.DeleteObject();
    m_blinkBrush[0].DeleteObject();
    m_blinkBrush[1].DeleteObject();
}
