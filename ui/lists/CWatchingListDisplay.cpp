#include "CWatchingListDisplay.h"

#include "SNotifyRecord.h"

#include <algorithm>

CWatchingListDisplay::~CWatchingListDisplay()
{
    Watch({});
}

void CWatchingListDisplay::Watch(const std::vector<CBroadcaster*>& parts)
{
    for (CBroadcaster* part : m_parts) part->RemoveListener(this);
    m_parts = parts;
    for (CBroadcaster* part : m_parts) part->AddListener(this);
}

bool CWatchingListDisplay::SetObject(CPersistObject* object)
{
    bool changed = CObjectListDisplay::SetObject(object);
    Watch(object ? GetWatchedParts(object) : std::vector<CBroadcaster*>());
    return changed;
}

bool CWatchingListDisplay::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage)
        m_parts.erase(std::remove(m_parts.begin(), m_parts.end(), static_cast<const CBroadcaster*>(p)), m_parts.end());
    return CObjectListDisplay::ListenToMessage(message, p, q);
}

bool CWatchingListDisplay::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (ChangesRow(code)) {
        DisplayChanged(this);
        return true;
    }
    return CObjectListDisplay::Respond(code, sender, a, b);
}
