#pragma once
// Binds a user-interface object to a file player: the player's broadcasts become four update
// calls that the object overrides.
#include "CListener.h"

class CFilePlaybackAdministrator2;

class CPlaybackInterface : public CListener {
public:
    CPlaybackInterface() = default;
    CPlaybackInterface(const CPlaybackInterface&) = delete;
    CPlaybackInterface& operator=(const CPlaybackInterface&) = delete;
    ~CPlaybackInterface() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    virtual void SetPlayer(CFilePlaybackAdministrator2* player);
    virtual void UpdateCreate() {}
    virtual void UpdateRelease() {}
    virtual void UpdateState() {}
    virtual void UpdatePosition() {}

    CFilePlaybackAdministrator2* GetPlayer() const { return m_player; }

protected:
    CFilePlaybackAdministrator2* m_player = nullptr;
};
