#pragma once
// A sample rate of an audio codec setting and the channel counts offered with it.
#include "CAudioCodecChannel.h"

class CAudioCodecSampleRate : public TAudioCodecLevel<ULONG, CAudioCodecChannel> {
    MV_DECLARE_PERSIST_CLASS(CAudioCodecSampleRate)
public:
    CAudioCodecSampleRate();
    CAudioCodecSampleRate(const CAudioCodecSampleRate&) = default;
    CAudioCodecSampleRate& operator=(const CAudioCodecSampleRate&) = default;
    ~CAudioCodecSampleRate() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override { SaveLevel(name, storage); }
    void LoadSelf(const char* name, CPersistStorage& storage) override { LoadLevel(name, storage); }

    ULONG GetSampleRate() const { return GetValue(); }
    bool SetSampleRate(ULONG rate) { return SetValue(rate); }

    CAudioCodecBitrate* AddSetting(unsigned short channels, unsigned short bitsPerSample, ULONG bitrate,
                                   unsigned short blockAlign);

    // A list of sample rates in ascending order, as codecs and TV options hold them.
    static void MakeSampleRateList(CPersistList& list);
    static CAudioCodecSampleRate* AddIn(CPersistList& list, ULONG rate);

    static constexpr LONG kType = FourCharCode("acsa");
};
