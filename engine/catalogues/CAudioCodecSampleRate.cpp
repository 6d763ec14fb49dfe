#include "CAudioCodecSampleRate.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioCodecSampleRate, CPersistObject, CAudioCodecSampleRate::kType)

namespace {
const TAudioCodecLevel<ULONG, CAudioCodecChannel>::Keys kKeys{"sample rate", "channels", FourCharCode("acsa")};
}

CAudioCodecSampleRate::CAudioCodecSampleRate() : TAudioCodecLevel(kKeys) {}

CAudioCodecBitrate* CAudioCodecSampleRate::AddSetting(unsigned short channels, unsigned short bitsPerSample,
                                                      ULONG bitrate, unsigned short blockAlign)
{
    return Add(channels)->AddSetting(bitsPerSample, bitrate, blockAlign);
}

void CAudioCodecSampleRate::MakeSampleRateList(CPersistList& list)
{
    list.SetChildClassId(kType);
    list.SetCompareFunction(ComparePersistItems<CAudioCodecSampleRate, &CAudioCodecSampleRate::GetValue>);
}

CAudioCodecSampleRate* CAudioCodecSampleRate::AddIn(CPersistList& list, ULONG rate)
{
    return FindOrAddByKey<CAudioCodecSampleRate, &CAudioCodecSampleRate::GetValue, &CAudioCodecSampleRate::SetValue>(
        list, rate);
}
