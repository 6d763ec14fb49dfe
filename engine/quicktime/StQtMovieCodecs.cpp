#include "StQtMovieCodecs.h"

StQtMovieCodecs::StQtMovieCodecs() : StQtCodecs(600, Code("MooV"))
{
    AddStandardCodecs();
    AddPcm();
}
