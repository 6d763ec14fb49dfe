#include "CAudioInfo2.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioInfo2, CPersistObject, FourCharCode("aif2"))

namespace {
const char* const kSampleRateTag = "sample rate";
const char* const kChannelTag = "channel";
const char* const kBitsPerSampleTag = "bits per sample";
}

void CAudioInfo2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kSampleRateTag, m_sampleRate);
    storage.Save(kChannelTag, m_channel);
    storage.Save(kBitsPerSampleTag, m_bitsPerSample);
}

void CAudioInfo2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kSampleRateTag, m_sampleRate);
    storage.Load(kChannelTag, m_channel);
    storage.Load(kBitsPerSampleTag, m_bitsPerSample);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CAudioInfo2, SampleRate, ULONG, ULONG, m_sampleRate, kSampleRateChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CAudioInfo2, Channel, unsigned short, unsigned short, m_channel, kChannelChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CAudioInfo2, BitsPerSample, unsigned short, unsigned short, m_bitsPerSample,
                            kBitsPerSampleChangedNotice)
