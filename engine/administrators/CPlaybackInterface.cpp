#include "CPlaybackInterface.h"

#include "CFilePlaybackAdministrator2.h"

CPlaybackInterface::~CPlaybackInterface()
{
    if (m_player) m_player->RemoveListener(this);
}

void CPlaybackInterface::SetPlayer(CFilePlaybackAdministrator2* player)
{
    if (player == m_player) return;
    if (m_player) m_player->RemoveListener(this);
    m_player = player;
    if (m_player) m_player->AddListener(this);
    UpdateState();
    UpdatePosition();
}

bool CPlaybackInterface::ListenToMessage(long message, const void* p, const void* q)
{
    switch (message) {
    case CDirectShowAdministrator2::kAdministratorConnectedMessage: UpdateCreate(); return true;
    case CDirectShowAdministrator2::kAdministratorReleasedMessage: UpdateRelease(); return true;
    case CDirectShowAdministrator2::kGraphStateMessage: UpdateState(); return true;
    case CFilePlaybackAdministrator2::kPlaybackPositionMessage: UpdatePosition(); return true;
    case kBroadcasterDyingMessage:
        // A player going away leaves the object without one.
        if (m_player && p == static_cast<const CBroadcaster*>(m_player)) m_player = nullptr;
        break;
    }
    return CListener::ListenToMessage(message, p, q);
}

bool CPlaybackInterface::Respond(long code, CBroadcaster* sender, long a, long b)
{
    return CListener::Respond(code, sender, a, b);
}
