#include "CTooltipWindow.h"

void CTooltipWindow::ActivateTooltip(bool activate)
{
    if (m_tooltipCreated && m_tooltip.m_hWnd && m_tooltip.GetToolCount() > 0) m_tooltip.Activate(activate);
}

bool CTooltipWindow::MakeTooltip()
{
    if (!m_tooltipCreated && m_hWnd) m_tooltipCreated = m_tooltip.Create(this) != FALSE;
    return m_tooltipCreated;
}

BOOL CTooltipWindow::PreTranslateMessage(MSG* msg)
{
    if (MakeTooltip()) m_tooltip.RelayEvent(msg);
    return CWnd::PreTranslateMessage(msg);
}
