#include "CBroadcaster.h"

#include "CListener.h"

#include <vector>

// The listeners one broadcast has still to call. Listeners removed during the
// broadcast are struck out here so they are not called after their removal.
struct SBroadcastRound {
    std::vector<CListener*> pending;
    size_t next = 0;   // pending[0, next) is still to be called
    SBroadcastRound* outer = nullptr;
    bool senderDied = false;
};

CBroadcaster::CBroadcaster(const CBroadcaster& other) : m_broadcasting(other.m_broadcasting)
{
    for (int i = 0; i < other.m_listeners.GetItemCount(); ++i)
        AddListener(static_cast<CListener*>(other.m_listeners.GetAt(i)));
}

CBroadcaster& CBroadcaster::operator=(const CBroadcaster& other)
{
    if (this == &other) return *this;
    RemoveAllListeners();
    for (int i = 0; i < other.m_listeners.GetItemCount(); ++i)
        AddListener(static_cast<CListener*>(other.m_listeners.GetAt(i)));
    m_broadcasting = other.m_broadcasting;
    return *this;
}

CBroadcaster::~CBroadcaster()
{
    StartBroadcasting();
    Broadcast(kBroadcasterDyingMessage, this, nullptr);
    // A listener that overrode message 0 without dropping us must not keep the pointer.
    for (int i = m_listeners.GetItemCount() - 1; i >= 0; --i)
        static_cast<CListener*>(m_listeners.GetAt(i))->RemoveBroadcaster(this);
    m_listeners.RemoveAll();
    for (SBroadcastRound* round = m_rounds; round; round = round->outer) round->senderDied = true;
}

void CBroadcaster::AddListener(CListener* listener)
{
    if (!listener) return;
    m_listeners.Add(listener);
    listener->AddBroadcaster(this);
}

void CBroadcaster::RemoveListener(CListener* listener)
{
    if (!listener) return;
    listener->RemoveBroadcaster(this);
    int index = m_listeners.GetIndex(listener);
    if (index < 0) return;
    m_listeners.RemoveAt(index);
    for (SBroadcastRound* round = m_rounds; round; round = round->outer) {
        for (size_t i = 0; i < round->next; ++i) {
            if (round->pending[i] == listener) {
                round->pending[i] = nullptr;
                break;
            }
        }
    }
}

void CBroadcaster::RemoveAllListeners()
{
    for (int i = m_listeners.GetItemCount() - 1; i >= 0; i = m_listeners.GetItemCount() - 1)
        RemoveListener(static_cast<CListener*>(m_listeners.GetAt(i)));
}

bool CBroadcaster::Broadcast(long message, const void* p, const void* q)
{
    if (!m_broadcasting) return true;
    int count = m_listeners.GetItemCount();
    if (count == 0) return true;
    SBroadcastRound round;
    round.pending.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) round.pending.push_back(static_cast<CListener*>(m_listeners.GetAt(i)));
    round.next = round.pending.size();
    round.outer = m_rounds;
    m_rounds = &round;
    // Unlinks the round however the broadcast ends, unless the handler destroyed this broadcaster.
    struct Unlink {
        CBroadcaster* sender;
        SBroadcastRound& round;
        ~Unlink()
        {
            if (!round.senderDied) sender->m_rounds = round.outer;
        }
    } unlink{this, round};
    while (round.next > 0) {
        CListener* listener = round.pending[--round.next];
        if (listener && listener->IsListening()) {
            listener->ListenToMessage(message, p, q);
            if (round.senderDied) return true;
        }
    }
    return true;
}

bool CBroadcaster::Notify(long code, long a, long b)
{
    SNotifyRecord record{code, this, a, b};
    return Broadcast(kNotifyMessage, &record, nullptr);
}
