#include "StQtAviCodecs.h"

StQtAviCodecs::StQtAviCodecs() : StQtCodecs(100, Code("VfW "))
{
    AddPcm();
    AddAudioCodec("ALaw 2:1", "Apple ALaw 2:1", Code("alaw"), 16, 2);
    AddAudioCodec("uLaw 2:1", "Apple uLaw 2:1", Code("ulaw"), 16, 2);
    AddStandardVideo("BMP");
    AddStandardVideo("Cinepak");
    // The DV rows without their sizes, quality-controlled by blocks of one.
    AddVideoCodec("DV - PAL", "Apple DV - PAL", Code("dvcp"), 1, 1);
    AddVideoCodec("DV/DVCPRO - NTSC", "Apple DV/DVCPRO - NTSC", Code("dvc "), 1, 1);
    AddVideoCodec("DVPRO - PAL", "Apple DVPRO - PAL", Code("dvpp"), 1, 1);
    AddStandardVideo("Intel Indeo 4");
}
