#pragma once
// The QuickTime MPEG-4 export's codecs.
#include "StQtCodecs.h"
#include "TFirstInstance.h"

class StQtMp4Codecs : public StQtCodecs, public TFirstInstance<StQtMp4Codecs> {
public:
    StQtMp4Codecs();
};
