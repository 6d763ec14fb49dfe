#include "StQtDvCodecs.h"

#include "CAudioCodecInfo.h"

StQtDvCodecs::StQtDvCodecs() : StQtCodecs(610, Code("dvc!"))
{
    CAudioCodecInfo* audio = AddAudioCodec(kDvAudioText, "Apple DV Audio", Code("dvca"));
    audio->AddSetting(32000, 2, 16, 128000, 0);
    audio->AddSetting(44100, 2, 16, 176400, 0);
    audio->AddSetting(48000, 2, 16, 192000, 0);
    AddVideoCodec("DV", "Apple DV", 0, 0, 1);
}
