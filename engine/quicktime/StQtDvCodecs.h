#pragma once
// The QuickTime DV export's codecs.
#include "StQtCodecs.h"
#include "TFirstInstance.h"

class StQtDvCodecs : public StQtCodecs, public TFirstInstance<StQtDvCodecs> {
public:
    StQtDvCodecs();
};
