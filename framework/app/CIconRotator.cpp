#include "CIconRotator.h"

#include "CRunIcon.h"

CIconRotator::CIconRotator() { m_timer.AddListener(this); }

CIconRotator::~CIconRotator()
{
    m_timer.Deactivate();
    m_timer.RemoveListener(this);
    Reset();
}

void CIconRotator::AddIcon(UINT id)
{
    auto* icon = new CRunIcon;
    icon->Load(id);
    m_icons.Add(icon);
}

void CIconRotator::Reset()
{
    for (int i = 0; i < m_icons.GetItemCount(); ++i) delete static_cast<CRunIcon*>(m_icons.GetAt(i));
    m_icons.RemoveAll();
}

CRunIcon* CIconRotator::Current() const
{
    if (m_current < 0 || m_current >= m_icons.GetItemCount()) return nullptr;
    return static_cast<CRunIcon*>(m_icons.GetAt(m_current));
}

void CIconRotator::SetCurrent(int index)
{
    if (index == m_current) return;
    m_current = index;
    if (index >= 0 && index < m_icons.GetItemCount()) Broadcast(kIconRotatorChangedMessage, this, nullptr);
}

void CIconRotator::Advance()
{
    int next = m_current + 1;
    SetCurrent(m_rotating && next >= 0 && next < m_icons.GetItemCount() ? next : 0);
}

void CIconRotator::SetRotate(bool on)
{
    if (on == m_rotating) return;
    m_rotating = on;
    if (on) {
        Advance();
        // An empty list has no period of its own: a whole round then.
        int count = m_icons.GetItemCount();
        m_timer.Activate(count > 0 ? kRoundMs / UINT(count) : kRoundMs);
    } else {
        m_timer.Deactivate();
        Advance();
    }
}

HICON CIconRotator::GetIcon() const
{
    CRunIcon* icon = Current();
    return icon ? icon->GetIcon() : nullptr;
}

UINT CIconRotator::GetId() const
{
    CRunIcon* icon = Current();
    return icon ? icon->GetId() : 0;
}

bool CIconRotator::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kTimerTickMessage) Advance();
    return CListener::ListenToMessage(message, p, q);
}
