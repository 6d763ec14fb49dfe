#include "CListener.h"

#include "CBroadcaster.h"
#include "SNotifyRecord.h"

CListener::CListener(const CListener& other) : m_listening(other.m_listening)
{
    for (int i = 0; i < other.m_broadcasters.GetItemCount(); ++i)
        static_cast<CBroadcaster*>(other.m_broadcasters.GetAt(i))->AddListener(this);
}

CListener& CListener::operator=(const CListener& other)
{
    if (this == &other) return *this;
    LeaveAllBroadcasters();
    for (int i = 0; i < other.m_broadcasters.GetItemCount(); ++i)
        static_cast<CBroadcaster*>(other.m_broadcasters.GetAt(i))->AddListener(this);
    m_listening = other.m_listening;
    return *this;
}

CListener::~CListener()
{
    LeaveAllBroadcasters();
}

void CListener::LeaveAllBroadcasters()
{
    // Each RemoveListener takes one entry out of our list.
    for (int n = m_broadcasters.GetItemCount(); n > 0; n = m_broadcasters.GetItemCount()) {
        static_cast<CBroadcaster*>(m_broadcasters.GetAt(n - 1))->RemoveListener(this);
        if (m_broadcasters.GetItemCount() == n) m_broadcasters.RemoveAt(n - 1);
    }
}

bool CListener::ListenToMessage(long message, const void* p, const void*)
{
    if (message == kBroadcasterDyingMessage) {
        RemoveBroadcaster(static_cast<CBroadcaster*>(const_cast<void*>(p)));
        return true;
    }
    if (message == kNotifyMessage && p) {
        const auto* record = static_cast<const SNotifyRecord*>(p);
        return Respond(record->code, record->sender, record->a, record->b);
    }
    return false;
}

bool CListener::Respond(long, CBroadcaster*, long, long)
{
    return false;
}
