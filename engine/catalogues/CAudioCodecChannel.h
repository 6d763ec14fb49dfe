#pragma once
// A channel count of an audio codec setting and the sample sizes offered with it.
#include "CAudioCodecBitsPerSample.h"

class CAudioCodecChannel : public TAudioCodecLevel<unsigned short, CAudioCodecBitsPerSample> {
    MV_DECLARE_PERSIST_CLASS(CAudioCodecChannel)
public:
    CAudioCodecChannel();
    CAudioCodecChannel(const CAudioCodecChannel&) = default;
    CAudioCodecChannel& operator=(const CAudioCodecChannel&) = default;
    ~CAudioCodecChannel() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override { SaveLevel(name, storage); }
    void LoadSelf(const char* name, CPersistStorage& storage) override { LoadLevel(name, storage); }

    unsigned short GetChannel() const { return GetValue(); }
    bool SetChannel(unsigned short channels) { return SetValue(channels); }

    CAudioCodecBitrate* AddSetting(unsigned short bitsPerSample, ULONG bitrate, unsigned short blockAlign);

    static constexpr LONG kType = FourCharCode("acch");
};
