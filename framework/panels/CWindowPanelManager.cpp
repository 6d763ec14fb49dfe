#include "CWindowPanelManager.h"

#include "CContainerPanel.h"
#include "StWindowUpdate.h"
#include "UDrawingUtils.h"

void CWindowPanelManager::Arrange()
{
    ArrangeToWidth(0);
}

void CWindowPanelManager::ArrangeToWidth(int width)
{
    if (!m_host || !m_host->m_hWnd) return;
    UDrawingUtils::Refresh(m_host);
    StWindowUpdate lock(m_host);
    if (width == 0) {
        CWnd* parent = m_host->GetParent();
        CRect client;
        (parent ? parent : m_host)->GetClientRect(&client);
        width = client.Width();
    }
    int y = Stack(width);
    if (auto* container = dynamic_cast<CContainerPanel*>(m_host)) {
        CRect request;
        container->GetClientRect(&request);
        request.right = request.left + width;
        request.bottom = request.top + y - 2;
        container->RequestSize(request);
    }
}
