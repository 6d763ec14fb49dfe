#pragma once
// An audio format: sample rate, channel count and bits per sample.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

class CAudioInfo2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CAudioInfo2)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(SampleRate, ULONG, ULONG)
    MV_DECLARE_PROPERTY(Channel, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(BitsPerSample, unsigned short, unsigned short)

    ULONG GetSampleRate() const { return m_sampleRate; }
    unsigned short GetChannel() const { return m_channel; }
    unsigned short GetBitsPerSample() const { return m_bitsPerSample; }

    static constexpr LONG kSampleRateChangedNotice = FourCharCode("aif3");
    static constexpr LONG kChannelChangedNotice = FourCharCode("aif4");
    static constexpr LONG kBitsPerSampleChangedNotice = FourCharCode("aif5");

private:
    ULONG m_sampleRate = 0;
    unsigned short m_channel = 0;
    unsigned short m_bitsPerSample = 0;
};
