#include "CAudioCodecChannel.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioCodecChannel, CPersistObject, CAudioCodecChannel::kType)

namespace {
const TAudioCodecLevel<unsigned short, CAudioCodecBitsPerSample>::Keys kKeys{"channel", "bits per sample",
                                                                            FourCharCode("acch")};
}

CAudioCodecChannel::CAudioCodecChannel() : TAudioCodecLevel(kKeys) {}

CAudioCodecBitrate* CAudioCodecChannel::AddSetting(unsigned short bitsPerSample, ULONG bitrate,
                                                   unsigned short blockAlign)
{
    return Add(bitsPerSample)->AddSetting(bitrate, blockAlign);
}
