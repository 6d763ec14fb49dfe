#include "CTooltipButton.h"

void CTooltipButton::InitToolTip()
{
    if (m_tooltip.GetSafeHwnd() || !m_hWnd) return;
    if (!m_tooltip.Create(this)) return;
    m_tooltip.Activate(FALSE);
    m_tooltip.SetMaxTipWidth(400);
}

void CTooltipButton::SetTooltipText(LPCTSTR text)
{
    if (!text) return;
    InitToolTip();
    if (!m_tooltip.GetSafeHwnd()) return;
    if (m_tooltip.GetToolCount() == 0) {
        CRect client;
        GetClientRect(&client);
        m_tooltip.AddTool(this, text, &client, kToolId);
    } else {
        m_tooltip.UpdateTipText(text, this, kToolId);
    }
    m_tooltip.Activate(TRUE);
}

void CTooltipButton::ActivateTooltip(bool on)
{
    if (m_tooltip.GetSafeHwnd() && m_tooltip.GetToolCount() > 0) m_tooltip.Activate(on);
}

BOOL CTooltipButton::PreTranslateMessage(MSG* msg)
{
    InitToolTip();
    if (m_tooltip.GetSafeHwnd()) m_tooltip.RelayEvent(msg);
    return CButton::PreTranslateMessage(msg);
}
