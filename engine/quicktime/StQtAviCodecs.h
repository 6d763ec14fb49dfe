#pragma once
// The QuickTime codecs for AVI files.
#include "StQtCodecs.h"
#include "TFirstInstance.h"

class StQtAviCodecs : public StQtCodecs, public TFirstInstance<StQtAviCodecs> {
public:
    StQtAviCodecs();
};
