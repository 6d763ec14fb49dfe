#pragma once
// One ready-made setting of a QuickTime movie exporter, labelled with the TV standard, the
// video and audio codec display names and the audio format it was made for.
#include "CHandle.h"
#include "CPersistObject.h"
#include "MvMediaProperty.h"

class CQtExportSettings : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CQtExportSettings)
public:
    CQtExportSettings() = default;
    CQtExportSettings(const CQtExportSettings&) = default;
    CQtExportSettings& operator=(const CQtExportSettings&) = default;
    ~CQtExportSettings() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(TvType, LONG, LONG)
    MV_DECLARE_PROPERTY(VideoCodecName, const char*, CString)
    MV_DECLARE_PROPERTY(AudioCodecName, const char*, CString)
    MV_DECLARE_PROPERTY(AudioSampleRate, ULONG, ULONG)
    MV_DECLARE_PROPERTY(AudioChannel, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(AudioBitsPerSample, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(AudioBitrate, ULONG, ULONG)
    LONG GetTvType() const { return m_tvType; }
    const char* GetVideoCodecName() const { return m_videoCodecName; }
    const char* GetAudioCodecName() const { return m_audioCodecName; }
    ULONG GetAudioSampleRate() const { return m_sampleRate; }
    unsigned short GetAudioChannel() const { return m_channels; }
    unsigned short GetAudioBitsPerSample() const { return m_bits; }
    ULONG GetAudioBitrate() const { return m_bitrate; }

    // Empties the blob, takes the bytes when there are any, and always announces it.
    void SetSettings(const unsigned char* bytes, ULONG length);
    // Replaces the blob without a notice.
    void SetSettings(const CHandle& settings) { m_settings = settings; }
    CHandle& GetSettings() { return m_settings; }

    static constexpr LONG kType = FourCharCode("qtxs");
    static constexpr LONG kTvTypeChangedNotice = FourCharCode("qtxs");
    static constexpr LONG kVideoCodecNameChangedNotice = FourCharCode("qtxt");
    static constexpr LONG kAudioCodecNameChangedNotice = FourCharCode("qtxu");
    static constexpr LONG kAudioSampleRateChangedNotice = FourCharCode("qtxv");
    static constexpr LONG kAudioChannelChangedNotice = FourCharCode("qtxw");
    static constexpr LONG kAudioBitsPerSampleChangedNotice = FourCharCode("qtxx");
    static constexpr LONG kAudioBitrateChangedNotice = FourCharCode("qtxy");
    static constexpr LONG kSettingsChangedNotice = FourCharCode("qtxz");

private:
    LONG m_tvType = 0;
    CString m_videoCodecName;
    CString m_audioCodecName;
    ULONG m_sampleRate = 48000;
    unsigned short m_channels = 2;
    unsigned short m_bits = 16;
    ULONG m_bitrate = 128000;
    CHandle m_settings;
};

extern const char* const kQtExportSettingsTvTypeTag;
extern const char* const kQtExportSettingsVideoCodecNameTag;
extern const char* const kQtExportSettingsAudioCodecNameTag;
extern const char* const kQtExportSettingsAudioSampleRateTag;
extern const char* const kQtExportSettingsAudioChannelTag;
extern const char* const kQtExportSettingsAudioBitsPerSampleTag;
extern const char* const kQtExportSettingsAudioBitrateTag;
extern const char* const kQtExportSettingsSettingsTag;
