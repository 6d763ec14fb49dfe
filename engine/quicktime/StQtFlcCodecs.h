#pragma once
// The QuickTime FLC export's codec.
#include "StQtCodecs.h"
#include "TFirstInstance.h"

class StQtFlcCodecs : public StQtCodecs, public TFirstInstance<StQtFlcCodecs> {
public:
    StQtFlcCodecs();
};
