#include "StQtFlcCodecs.h"

StQtFlcCodecs::StQtFlcCodecs() : StQtCodecs(620, Code("FLC "))
{
    AddVideoCodec("FLC", "Apple FLC", 0, 1, 0);
}
