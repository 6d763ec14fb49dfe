#include "CDialogPanelManager.h"

#include "StWindowUpdate.h"
#include "UDrawingUtils.h"
#include "afx/windows/CWnd.h"

void CDialogPanelManager::SetParent(CWnd* host)
{
    m_host = host;
    if (!host || !host->m_hWnd) return;
    CRect client;
    host->GetClientRect(&client);
    m_topLine = client.bottom;
}

void CDialogPanelManager::Arrange()
{
    if (!m_host || !m_host->m_hWnd) return;
    UDrawingUtils::Refresh(m_host);
    StWindowUpdate lock(m_host);
    CRect client;
    m_host->GetClientRect(&client);
    int y = Stack(client.Width());
    if (::GetParent(m_host->m_hWnd)) return;
    CRect window;
    m_host->GetWindowRect(&window);
    window.bottom = window.bottom + client.top + y - client.bottom - 2;
    m_host->MoveWindow(&window);
}
