#include "CQtExportSettings.h"

#include "CPersistStorage.h"

#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(CQtExportSettings, CPersistObject, CQtExportSettings::kType)

const char* const kQtExportSettingsTvTypeTag = "tv";
const char* const kQtExportSettingsVideoCodecNameTag = "video";
const char* const kQtExportSettingsAudioCodecNameTag = "audio";
const char* const kQtExportSettingsAudioSampleRateTag = "sample rate";
const char* const kQtExportSettingsAudioChannelTag = "channel";
const char* const kQtExportSettingsAudioBitsPerSampleTag = "bits per sample";
const char* const kQtExportSettingsAudioBitrateTag = "bitrate";
const char* const kQtExportSettingsSettingsTag = "settings";

namespace {

// A codec name is a display name: a stored one is cut to 255 bytes.
void LoadName(CPersistStorage& storage, const char* key, CString& text)
{
    char buffer[256] = {};
    std::strncpy(buffer, text, sizeof buffer - 1);
    storage.Load(key, buffer, sizeof buffer);
    buffer[sizeof buffer - 1] = 0;
    text = buffer;
}

} // namespace

void CQtExportSettings::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kQtExportSettingsTvTypeTag, m_tvType);
    storage.Save(kQtExportSettingsVideoCodecNameTag, static_cast<const char*>(m_videoCodecName));
    storage.Save(kQtExportSettingsAudioCodecNameTag, static_cast<const char*>(m_audioCodecName));
    storage.Save(kQtExportSettingsAudioSampleRateTag, m_sampleRate);
    storage.Save(kQtExportSettingsAudioChannelTag, m_channels);
    storage.Save(kQtExportSettingsAudioBitsPerSampleTag, m_bits);
    storage.Save(kQtExportSettingsAudioBitrateTag, m_bitrate);
    storage.Save(kQtExportSettingsSettingsTag, m_settings);
}

void CQtExportSettings::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kQtExportSettingsTvTypeTag, m_tvType);
    LoadName(storage, kQtExportSettingsVideoCodecNameTag, m_videoCodecName);
    LoadName(storage, kQtExportSettingsAudioCodecNameTag, m_audioCodecName);
    storage.Load(kQtExportSettingsAudioSampleRateTag, m_sampleRate);
    storage.Load(kQtExportSettingsAudioChannelTag, m_channels);
    storage.Load(kQtExportSettingsAudioBitsPerSampleTag, m_bits);
    storage.Load(kQtExportSettingsAudioBitrateTag, m_bitrate);
    storage.Load(kQtExportSettingsSettingsTag, m_settings);
}

void CQtExportSettings::SetSettings(const unsigned char* bytes, ULONG length)
{
    m_settings.Allocate(0, false);
    if (bytes && length) m_settings.Append(bytes, length);
    Notify(kSettingsChangedNotice, 0, 0);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CQtExportSettings, TvType, LONG, LONG, m_tvType, kTvTypeChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CQtExportSettings, VideoCodecName, const char*, CString, m_videoCodecName,
                            kVideoCodecNameChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CQtExportSettings, AudioCodecName, const char*, CString, m_audioCodecName,
                            kAudioCodecNameChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CQtExportSettings, AudioSampleRate, ULONG, ULONG, m_sampleRate,
                            kAudioSampleRateChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CQtExportSettings, AudioChannel, unsigned short, unsigned short, m_channels,
                            kAudioChannelChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CQtExportSettings, AudioBitsPerSample, unsigned short, unsigned short, m_bits,
                            kAudioBitsPerSampleChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CQtExportSettings, AudioBitrate, ULONG, ULONG, m_bitrate, kAudioBitrateChangedNotice)
