#include "StQtDvProCodecs.h"

#include "CAudioCodecInfo.h"

StQtDvProCodecs::StQtDvProCodecs() : StQtCodecs(611, Code("dvc!"))
{
    CAudioCodecInfo* audio = AddAudioCodec(kDvAudioText, "Apple DVPRO Audio", Code("dvca"));
    audio->AddSetting(48000, 2, 16, 192000, 0);
    AddVideoCodec("DVPRO", "Apple DV Pro", 0, 0, 1);
}
