#pragma once
// The QuickTime 3GPP export's codecs.
#include "StQtCodecs.h"
#include "TFirstInstance.h"

class StQt3gpCodecs : public StQtCodecs, public TFirstInstance<StQt3gpCodecs> {
public:
    StQt3gpCodecs();
};
