#pragma once
// Stacks expandable panels vertically in a host window, keeps one of them open and
// re-arranges when a page is enabled or disabled.
#include "CListener.h"
#include "CPointerList.h"

class CDC;
class CExpandPanel;
class CPanel;
class CWnd;

class CPanelManager : public CListener {
public:
    CPanelManager() = default;
    CPanelManager(const CPanelManager&) = default;
    CPanelManager& operator=(const CPanelManager&) = default;
    ~CPanelManager() override;

    virtual void SetParent(CWnd* host) { m_host = host; }
    virtual void Arrange() {}
    virtual void ArrangeToWidth(int) {}

    CWnd* GetParent() const { return m_host; }
    void SetTopLine(int top) { m_topLine = top; }
    int GetTopLine() const { return m_topLine; }

    // Creates expand in the host with page in it, collapsed and shown.
    void AddPanel(CExpandPanel* expand, CPanel* page, const char* caption);
    // A further page in the same expandable panel.
    void AttachChildPanel(CExpandPanel* expand, CPanel* page);
    // Forgets the panels without destroying them.
    void Reset();
    void UpdateText();
    // The 3D separator line above each shown panel.
    void Paint(CDC* dc);
    void SetLiveArrange(bool live);

    int GetPanelCount() const { return m_panels.GetItemCount(); }
    CExpandPanel* GetPanel(int index) const { return static_cast<CExpandPanel*>(m_panels.GetAt(index)); }

    bool ListenToMessage(long message, const void* p, const void* q) override;

protected:
    // Lays the panels out from the top line at width; answers the next free y.
    int Stack(int width);

    CWnd* m_host = nullptr;
    int m_topLine = 0;
    CPointerList m_panels;
    bool m_liveArrange = true;

private:
    CExpandPanel* Find(const void* sender) const;
};
