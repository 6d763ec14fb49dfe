#pragma once
// An empty page that stacks expandable panels and asks its host for the size they need.
#include "CPanel.h"
#include "CWindowPanelManager.h"

class CExpandPanel;

enum : long { kContainerSizeRequestMessage = 55437734 };

class CContainerPanel : public CPanel {
public:
    explicit CContainerPanel(CWnd* parent);

    void AddPanel(CExpandPanel* expand, CPanel* page, const char* caption) { m_manager.AddPanel(expand, page, caption); }
    void AttachChildPanel(CExpandPanel* expand, CPanel* page) { m_manager.AttachChildPanel(expand, page); }
    void SetLiveArrange(bool live) { m_manager.SetLiveArrange(live); }
    void Arrange() { m_manager.Arrange(); }
    void ArrangeToWidth(int width) { m_manager.ArrangeToWidth(width); }
    CWindowPanelManager& GetManager() { return m_manager; }

    // Broadcasts 55437734 with this container and the wanted rectangle.
    void RequestSize(CRect& rect);

    BOOL OnInitDialog() override;

protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    CWindowPanelManager m_manager;
};
