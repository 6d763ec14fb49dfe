#pragma once
// Receives messages from the broadcasters it is registered with.
#include "CPointerList.h"

class CBroadcaster;

class CListener {
public:
    CListener() = default;
    // A copy registers with the same broadcasters, so none keeps a stale pointer.
    CListener(const CListener& other);
    CListener& operator=(const CListener& other);
    virtual ~CListener();

    virtual bool ListenToMessage(long message, const void* p, const void* q);
    virtual bool Respond(long code, CBroadcaster* sender, long a, long b);

    // Called by the broadcaster only.
    void AddBroadcaster(CBroadcaster* broadcaster) { m_broadcasters.Add(broadcaster); }
    void RemoveBroadcaster(CBroadcaster* broadcaster) { m_broadcasters.Remove(broadcaster); }

    void StartListening() { m_listening = true; }
    void StopListening() { m_listening = false; }
    bool IsListening() const { return m_listening; }

private:
    void LeaveAllBroadcasters();

    CPointerList m_broadcasters;
    bool m_listening = true;
};
