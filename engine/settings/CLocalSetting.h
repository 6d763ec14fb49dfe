#pragma once
// The per-user engine settings, kept in "Preference.xml" of the user's data folder. The
// first instance is the process-wide one.
#include "CSettingDecodeMpeg.h"
#include "CSettingDvdRip.h"
#include "CSettingMinimizeTaskBar.h"
#include "CSettingRecordingPath.h"
#include "CSettingffDecoder.h"

class CLocalSetting : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CLocalSetting)
public:
    CLocalSetting();
    CLocalSetting(const CLocalSetting& other);
    CLocalSetting& operator=(const CLocalSetting& other);
    ~CLocalSetting() override;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CSettingDecodeMpeg& GetDecodeMpeg() { return m_mpeg; }
    CSettingMinimizeTaskBar& GetMinimizeTaskBar() { return m_taskBar; }
    CSettingDvdRip& GetDvdRip() { return m_dvdRip; }
    CSettingffDecoder& GetffDecoder() { return m_ffDecoder; }
    CSettingRecordingPath& GetRecordingPath() { return m_recordingPath; }

    bool LoadFile();
    bool SaveFile();

    static CLocalSetting* sSettings;
    static const char* const kMpegTag;
    static const char* const kTaskBarTag;
    static const char* const kDvdRipTag;
    static const char* const kffDecoderTag;
    static const char* const kRecordingPathTag;

private:
    CSettingDecodeMpeg m_mpeg;
    CSettingMinimizeTaskBar m_taskBar;
    CSettingDvdRip m_dvdRip;
    CSettingffDecoder m_ffDecoder;
    CSettingRecordingPath m_recordingPath;
};
