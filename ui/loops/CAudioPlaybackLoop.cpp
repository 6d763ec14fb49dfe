#include "CAudioPlaybackLoop.h"

#include "CFilePlaybackAdministrator2.h"
#include "CMediaFile2.h"
#include "StWaitCursor.h"

CDirectShowAdministrator2* CAudioPlaybackLoop::CreateAdministratorSelf()
{
    return new CFilePlaybackAdministrator2;
}

bool CAudioPlaybackLoop::ProcessItem()
{
    auto* player = dynamic_cast<CFilePlaybackAdministrator2*>(m_administrator);
    CMediaFile2* file = GetCurrentFile();
    if (!player || !file) return false;
    StWaitCursor wait;
    player->SetFilePath(file->GetFilePath().GetFilePath());
    player->SetInputId(file->GetFileSourceId());
    for (int i = 0; i < CMediaFile2::kSplitterCount; ++i) player->SetSplitterId(file->GetSplitterId(i), i);
    player->SetChainSplitter(file->GetChainSplitter());
    player->SetWantsAudio(true);
    player->SetWantsVideo(false);
    return player->Create() && player->Play();
}
