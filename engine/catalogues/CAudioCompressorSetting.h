#pragma once
// One audio setting chosen for a compressor.
#include "CFormatType.h"

class CAudioCompressorSetting {
public:
    virtual ~CAudioCompressorSetting() = default;

    // File type 900 takes only 32, 44.1 or 48 kHz stereo at 16 bits; every other type
    // takes any setting.
    bool IsCompatibleWith(ESplitterType type) const;

    ULONG mSampleRate = 22050;
    unsigned short mChannels = 2;
    unsigned short mBitsPerSample = 16;
    ULONG mBitrate = 0;
    unsigned short mBlockSize = 0;
};
