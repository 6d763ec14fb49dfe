#include "CPanel.h"

#include "afx/controls/CTabCtrl.h"

CPanel::CPanel(unsigned id, CWnd* parent) : CDialog(id, parent), m_id(id) {}

bool CPanel::CreateDetached(CWnd* host)
{
    if (!host || !host->m_hWnd) return false;
    if (!Create(m_id, nullptr)) return false;
    GetClientRect(&m_nativeRect);
    ::SetParent(m_hWnd, host->m_hWnd);
    ShowWindow(SW_HIDE);
    return true;
}

bool CPanel::CreateInWindow(CWnd* host)
{
    if (!CreateDetached(host)) return false;
    FitInWindow(host);
    return true;
}

bool CPanel::CreateInWindow(CTabCtrl* host)
{
    if (!CreateDetached(host)) return false;
    FitInWindow(host);
    return true;
}

void CPanel::FitInWindow(CWnd* host)
{
    if (!host || !host->m_hWnd) return;
    CRect r;
    host->GetClientRect(&r);
    MoveWindow(&r, TRUE);
}

void CPanel::FitInWindow(CTabCtrl* host)
{
    if (!host || !host->m_hWnd) return;
    CRect r;
    host->GetClientRect(&r);
    host->AdjustRect(FALSE, &r);
    MoveWindow(&r, TRUE);
}

void CPanel::SetEnable(bool enable)
{
    if (enable == m_enabled) return;
    m_enabled = enable;
    OnEnable(enable);
    Broadcast(kPanelEnabledChangedMessage, nullptr, nullptr);
}

BOOL CPanel::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CString CPanel::GetDetailedText(bool& valid)
{
    valid = true;
    return CString();
}
