#pragma once
// The "do not re-encode" option of a media output's audio track.
#include "CAdvTrackOutputController.h"

class CAdvAudioOutputController : public CAdvTrackOutputController {
public:
    CAdvAudioOutputController();
    ~CAdvAudioOutputController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    void SetObjectSelf(CPersistObject* object) override;
};
