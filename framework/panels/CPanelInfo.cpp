#include "CPanelInfo.h"

#include "CPanel.h"

void CPanelInfo::AddChildPanel(CPanel* panel)
{
    if (!panel) return;
    m_children.Add(panel);
    panel->AddListener(this);
}

bool CPanelInfo::PanelsEnabled()
{
    for (int i = 0; i < GetChildCount(); ++i)
        if (GetChild(i)->IsEnabled()) return true;
    return false;
}

bool CPanelInfo::Contains(CPanel* panel) const
{
    return panel && m_children.GetIndex(panel) >= 0;
}

void CPanelInfo::Show(bool show)
{
    for (int i = 0; i < GetChildCount(); ++i) {
        CPanel* panel = GetChild(i);
        if (panel && panel->m_hWnd) panel->ShowWindow(show ? SW_SHOW : SW_HIDE);
    }
}

bool CPanelInfo::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage)
        for (int i = 0; i < GetChildCount(); ++i)
            if (static_cast<const CBroadcaster*>(GetChild(i)) == p) m_children.RemoveAt(i--);
    return CListener::ListenToMessage(message, p, q);
}
