#include "StQtAiffCodecs.h"

StQtAiffCodecs::StQtAiffCodecs() : StQtCodecs(650, Code("AIFF"))
{
    AddPcm();
    for (const char* name : {"LPCM", "ALaw 2:1", "IMA 4:1", "MACE 3:1", "MACE 6:1", "uLaw 2:1"}) AddStandardAudio(name);
}
