#pragma once
// An audio codec of the catalogue with the tree of settings it offers.
#include "CAudioCodecSampleRate.h"
#include "CCodecInfo.h"

class CAudioCodecInfo : public CCodecInfo {
    MV_DECLARE_PERSIST_CLASS(CAudioCodecInfo)
public:
    CAudioCodecInfo();
    CAudioCodecInfo(const CAudioCodecInfo&) = default;
    CAudioCodecInfo& operator=(const CAudioCodecInfo&) = default;
    ~CAudioCodecInfo() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    int GetSampleRateCount() const { return m_sampleRates.GetItemCount(); }
    CAudioCodecSampleRate* GetSampleRate(int index) const;
    void AddSampleRate(CAudioCodecSampleRate* rate) { m_sampleRates.Add(rate); }
    void RemoveSampleRate(CAudioCodecSampleRate* rate);
    CAudioCodecSampleRate* Find(ULONG sampleRate) const;
    CAudioCodecSampleRate* Add(ULONG sampleRate);
    CAudioCodecBitrate* AddSetting(ULONG sampleRate, unsigned short channels, unsigned short bitsPerSample,
                                   ULONG bitrate, unsigned short blockAlign);

    CAudioCodecSampleRate* FindBestFit(ULONG& sampleRate) const;
    // Nearest sample rate, then channel count, then bits per sample, each written back,
    // and the bit rate the quality percentage picks among that entry's rates. False
    // when the tree ends before a bits-per-sample entry.
    bool FindBestFit(ULONG& sampleRate, unsigned short& channels, unsigned short& bitsPerSample, ULONG& bitrate,
                     int quality) const;

    static constexpr LONG kType = FourCharCode("acif");

private:
    CPersistList m_sampleRates{true};
};
