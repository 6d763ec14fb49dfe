#include "SCodecTestResult.h"

#include "CAudioCodecInfo.h"
#include "CVideoCodecInfo.h"

void SCodecTestResult::Apply() const
{
    if (!codec) return;
    if (auto* audio = dynamic_cast<CAudioCodecInfo*>(codec))
        for (const SAudioSetting& s : audioSettings)
            audio->AddSetting(s.sampleRate, s.channels, s.bitsPerSample, s.bitrate, s.blockAlign);
    if (auto* video = dynamic_cast<CVideoCodecInfo*>(codec)) {
        if (blockSize) video->SetBlockSize(blockSize);
        for (const auto& [width, height] : sizes) video->AddResolution(width, height);
        video->SetHasAbout(hasAbout);
        video->SetHasSettings(hasSettings);
    }
    for (const auto& [type, connected] : supported) codec->SetSupported(type, connected);
    if (tested) codec->SetTested(true);
}
