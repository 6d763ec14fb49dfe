#include "CAudioCdPlaybackLoop.h"

#include "CAudioCdPlaybackAdministrator2.h"
#include "CAudioCdReader2.h"
#include "CAudioCdRipperData.h"
#include "CAudioCdTrack2.h"
#include "StWaitCursor.h"

CDirectShowAdministrator2* CAudioCdPlaybackLoop::CreateAdministratorSelf()
{
    return new CAudioCdPlaybackAdministrator2;
}

void CAudioCdPlaybackLoop::Reset()
{
    CListWalkingLoop::Reset();
    m_cd = nullptr;
}

void CAudioCdPlaybackLoop::SetBatch(CAudioCdRipperData* batch)
{
    m_cd = batch ? &batch->GetCdReader() : nullptr;
    m_list = m_cd ? &m_cd->GetTracks() : nullptr;
}

CAudioCdTrack2* CAudioCdPlaybackLoop::GetCurrentTrack() const
{
    return dynamic_cast<CAudioCdTrack2*>(m_current);
}

bool CAudioCdPlaybackLoop::ProcessItem()
{
    auto* player = dynamic_cast<CAudioCdPlaybackAdministrator2*>(m_administrator);
    CAudioCdTrack2* track = GetCurrentTrack();
    if (!player || !track) return false;
    StWaitCursor wait;
    player->SetAdapterId(m_adapter);
    player->SetScsiId(m_scsi);
    player->SetTrackNumber(track->GetTrackNumber());
    return player->Create() && player->Play();
}

char* CAudioCdPlaybackLoop::GetText()
{
    return CountText("Playing", "file");
}
