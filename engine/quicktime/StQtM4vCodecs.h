#pragma once
// The QuickTime M4V export's codecs.
#include "StQtCodecs.h"
#include "TFirstInstance.h"

class StQtM4vCodecs : public StQtCodecs, public TFirstInstance<StQtM4vCodecs> {
public:
    StQtM4vCodecs();
};
