#pragma once
// Plays the sound of every file of a media batch, round and round until stopped.
#include "CMediaPlaybackLoop.h"

class CAudioPlaybackLoop : public CMediaPlaybackLoop {
public:
    CDirectShowAdministrator2* CreateAdministratorSelf() override;
    bool ProcessItem() override;
};
