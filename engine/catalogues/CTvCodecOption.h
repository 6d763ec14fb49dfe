#pragma once
// The fixed frame sizes and audio settings of one TV standard of an output type.
#include "CAudioCodecSampleRate.h"
#include "CVideoCodecSize.h"

class CTvCodecOption : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CTvCodecOption)
public:
    CTvCodecOption();
    CTvCodecOption(const CTvCodecOption&) = default;
    CTvCodecOption& operator=(const CTvCodecOption&) = default;
    ~CTvCodecOption() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    LONG GetTvType() const { return m_tvType; }
    bool SetTvType(LONG type) { return ChangeProperty(m_tvType, type, kTvTypeChangedNotice); }
    // 29.97 frames per second for TV type 1, 25 for every other.
    double GetFrameRate() const { return m_tvType == 1 ? 29.97 : 25.0; }

    int GetSizeCount() const { return m_sizes.GetItemCount(); }
    CVideoCodecSize* GetSize(int index) const;
    int GetSampleRateCount() const { return m_sampleRates.GetItemCount(); }
    CAudioCodecSampleRate* GetSampleRate(int index) const;

    CVideoCodecSize* AddVideoSetting(unsigned short width, unsigned short height);
    CAudioCodecBitrate* AddAudioSetting(ULONG sampleRate, unsigned short channels, unsigned short bitsPerSample,
                                        ULONG bitrate);

    static constexpr LONG kType = FourCharCode("tvop");
    static constexpr LONG kTvTypeChangedNotice = FourCharCode("tvop");

private:
    LONG m_tvType = 1;
    CPersistList m_sizes{true};
    CPersistList m_sampleRates{true};
};
