#pragma once
// A subtitle track: nothing beyond the track's own values.
#include "CMediaTrack.h"

class CSubtitleTrack : public CMediaTrack {
    MV_DECLARE_PERSIST_CLASS(CSubtitleTrack)
};
