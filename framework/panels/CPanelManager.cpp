#include "CPanelManager.h"

#include "CExpandPanel.h"
#include "StWindowUpdate.h"
#include "afx/gdi/CDC.h"

CPanelManager::~CPanelManager()
{
    Reset();
}

void CPanelManager::AddPanel(CExpandPanel* expand, CPanel* page, const char* caption)
{
    if (!m_host || !expand || !page) return;
    expand->CreateInWindow(m_host);
    AttachChildPanel(expand, page);
    expand->CollapsSelf();
    expand->AddListener(this);
    expand->ShowWindow(SW_SHOW);
    m_panels.Add(expand);
    if (caption) expand->SetText(caption);
}

void CPanelManager::AttachChildPanel(CExpandPanel* expand, CPanel* page)
{
    if (!m_host || !expand || !page) return;
    page->CreateInWindow(expand);
    expand->AddChildPanel(page);
}

void CPanelManager::Reset()
{
    for (int i = 0; i < GetPanelCount(); ++i) GetPanel(i)->RemoveListener(this);
    m_panels.RemoveAll();
}

void CPanelManager::UpdateText()
{
    for (int i = 0; i < GetPanelCount(); ++i) GetPanel(i)->ShowText();
}

void CPanelManager::Paint(CDC* dc)
{
    if (!dc || !m_host || !m_host->m_hWnd) return;
    CRect client;
    m_host->GetClientRect(&client);
    for (int i = 0; i < GetPanelCount(); ++i) {
        CExpandPanel* panel = GetPanel(i);
        if (!panel->PanelsEnabled() || !panel->m_hWnd) continue;
        CRect r;
        panel->GetWindowRect(&r);
        m_host->ScreenToClient(&r);
        dc->Draw3dRect(0, r.top - 2, client.Width(), 2, RGB(127, 157, 185), RGB(255, 255, 255));
    }
}

void CPanelManager::SetLiveArrange(bool live)
{
    if (live == m_liveArrange) return;
    m_liveArrange = live;
    if (live) Arrange();
}

CExpandPanel* CPanelManager::Find(const void* sender) const
{
    for (int i = 0; i < GetPanelCount(); ++i)
        if (static_cast<const CPanel*>(GetPanel(i)) == sender) return GetPanel(i);
    return nullptr;
}

bool CPanelManager::ListenToMessage(long message, const void* p, const void* q)
{
    switch (message) {
    case kPanelExpandMessage: {
        {
            StWindowUpdate lock(m_host);
            CExpandPanel* sender = Find(p);
            if (sender) sender->ExpandSelf();
            for (int i = 0; i < GetPanelCount(); ++i)
                if (GetPanel(i) != sender) GetPanel(i)->CollapsSelf();
        }
        Arrange();
        return true;
    }
    case kPanelCollapseMessage: {
        {
            StWindowUpdate lock(m_host);
            if (CExpandPanel* sender = Find(p)) sender->CollapsSelf();
        }
        Arrange();
        return true;
    }
    case kPanelEnabledChangedMessage:
        if (m_liveArrange) Arrange();
        return true;
    case kPanelObjectChangedMessage:
        UpdateText();
        return true;
    case kBroadcasterDyingMessage:
        // A panel destroyed before its manager is forgotten, never touched again.
        for (int i = 0; i < GetPanelCount(); ++i)
            if (static_cast<const CBroadcaster*>(GetPanel(i)) == p) m_panels.RemoveAt(i--);
        return CListener::ListenToMessage(message, p, q);
    default:
        return CListener::ListenToMessage(message, p, q);
    }
}

int CPanelManager::Stack(int width)
{
    int y = m_topLine;
    for (int i = 0; i < GetPanelCount(); ++i) {
        CExpandPanel* panel = GetPanel(i);
        if (!panel->PanelsEnabled()) {
            if (panel->m_hWnd) panel->ShowWindow(SW_HIDE);
            continue;
        }
        panel->Arrange();
        CRect r = panel->GetExpanderRect(panel->IsExpanded());
        if (panel->m_hWnd) {
            panel->MoveWindow(0, y, width, r.Height());
            panel->ShowWindow(SW_SHOW);
        }
        y += r.Height() + 2;
    }
    return y;
}
