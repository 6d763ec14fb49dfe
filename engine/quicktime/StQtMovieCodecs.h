#pragma once
// The QuickTime movie writer's codecs: the standard list and PCM.
#include "StQtCodecs.h"
#include "TFirstInstance.h"

class StQtMovieCodecs : public StQtCodecs, public TFirstInstance<StQtMovieCodecs> {
public:
    StQtMovieCodecs();
};
