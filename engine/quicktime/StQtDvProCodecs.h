#pragma once
// The QuickTime DVPRO export's codecs.
#include "StQtCodecs.h"
#include "TFirstInstance.h"

class StQtDvProCodecs : public StQtCodecs, public TFirstInstance<StQtDvProCodecs> {
public:
    StQtDvProCodecs();
};
