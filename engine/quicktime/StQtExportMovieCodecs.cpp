#include "StQtExportMovieCodecs.h"

StQtExportMovieCodecs::StQtExportMovieCodecs() : StQtCodecs(601, Code("MooV"))
{
    AddStandardCodecs();
    AddAAC();
    AddAppleLossless();
    AddQDesign();
    AddQualcommPureVoice();
    AddVideoCodec("JPEG 2000", "Apple JPEG 2000", Code("mjp2"), 1, 1);
    AddVideoCodec("Sorenson Video 3", "Apple Sorenson Video 3", Code("SVQ3"), 1, 32);
}
