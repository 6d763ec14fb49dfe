#pragma once
// The QuickTime AIFF export's codecs.
#include "StQtCodecs.h"
#include "TFirstInstance.h"

class StQtAiffCodecs : public StQtCodecs, public TFirstInstance<StQtAiffCodecs> {
public:
    StQtAiffCodecs();
};
