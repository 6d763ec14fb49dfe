#pragma once
// Sends messages to its listeners, the last added first; message 0 when it dies.
#include "CPointerList.h"
#include "SNotifyRecord.h"

class CListener;
struct SBroadcastRound;

class CBroadcaster {
public:
    CBroadcaster() = default;
    // A copy registers with the same listeners, so both sides know of it.
    CBroadcaster(const CBroadcaster& other);
    CBroadcaster& operator=(const CBroadcaster& other);
    virtual ~CBroadcaster();

    void AddListener(CListener* listener);
    void RemoveListener(CListener* listener);
    void StartBroadcasting() { m_broadcasting = true; }
    void StopBroadcasting() { m_broadcasting = false; }
    bool Broadcast(long message, const void* p, const void* q);
    bool Notify(long code, long a, long b);

private:
    void RemoveAllListeners();

    CPointerList m_listeners;
    bool m_broadcasting = true;
    // Broadcasts under way on this broadcaster, innermost first.
    SBroadcastRound* m_rounds = nullptr;
};
