#include "CAudioCompressorSetting.h"

bool CAudioCompressorSetting::IsCompatibleWith(ESplitterType type) const
{
    if (type != 900) return true;
    const bool rate = mSampleRate == 32000 || mSampleRate == 44100 || mSampleRate == 48000;
    return rate && mChannels == 2 && mBitsPerSample == 16;
}
