#pragma once
// The QuickTime 3GPP2 export's codecs: as 3GPP with the H.263 sizes of 3GPP2.
#include "StQtCodecs.h"
#include "TFirstInstance.h"

class StQt3g2Codecs : public StQtCodecs, public TFirstInstance<StQt3g2Codecs> {
public:
    StQt3g2Codecs();
};
