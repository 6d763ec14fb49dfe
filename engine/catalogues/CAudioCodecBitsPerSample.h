#pragma once
// Bits per sample of an audio codec setting and the bit rates offered with it.
#include "CAudioCodecBitrate.h"
#include "TAudioCodecLevel.h"

class CAudioCodecBitsPerSample : public TAudioCodecLevel<unsigned short, CAudioCodecBitrate> {
    MV_DECLARE_PERSIST_CLASS(CAudioCodecBitsPerSample)
public:
    CAudioCodecBitsPerSample();
    CAudioCodecBitsPerSample(const CAudioCodecBitsPerSample&) = default;
    CAudioCodecBitsPerSample& operator=(const CAudioCodecBitsPerSample&) = default;
    ~CAudioCodecBitsPerSample() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override { SaveLevel(name, storage); }
    void LoadSelf(const char* name, CPersistStorage& storage) override { LoadLevel(name, storage); }

    unsigned short GetBitsPerSample() const { return GetValue(); }
    bool SetBitsPerSample(unsigned short bits) { return SetValue(bits); }

    // The bit rate entry, found or added, takes the block align.
    CAudioCodecBitrate* AddSetting(ULONG bitrate, unsigned short blockAlign);
    // The available bit rate nearest the given one; 0 without bit rates.
    ULONG FindBestFitBitrate(ULONG bitrate) const;
    // The nearest available bit rate not above the given one; 0 when none.
    ULONG FindBestFitBelow(ULONG bitrate) const;
    // The available bit rate nearest the point the quality percentage marks between
    // the smallest and the largest bit rate.
    ULONG FindBestFitQuality(int quality) const;

    static constexpr LONG kType = FourCharCode("acbs");
};
