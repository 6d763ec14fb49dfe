#pragma once
// The QuickTime movie export's codecs: the standard list and the newer audio and video codecs.
#include "StQtCodecs.h"
#include "TFirstInstance.h"

class StQtExportMovieCodecs : public StQtCodecs, public TFirstInstance<StQtExportMovieCodecs> {
public:
    StQtExportMovieCodecs();
};
