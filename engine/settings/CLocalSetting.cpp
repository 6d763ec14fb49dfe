#include "CLocalSetting.h"

#include "EngineSettingFiles.h"
#include "UPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CLocalSetting, CPersistObject, FourCharCode("glst"))

CLocalSetting* CLocalSetting::sSettings = nullptr;
const char* const CLocalSetting::kMpegTag = "mpeg audio";
const char* const CLocalSetting::kTaskBarTag = "task bar";
const char* const CLocalSetting::kDvdRipTag = "dvd rip";
const char* const CLocalSetting::kffDecoderTag = "ff decoder";
const char* const CLocalSetting::kRecordingPathTag = "recording path";

CLocalSetting::CLocalSetting()
{
    if (!sSettings) sSettings = this;
}

CLocalSetting::CLocalSetting(const CLocalSetting& other)
    : CPersistObject(other),
      m_mpeg(other.m_mpeg),
      m_taskBar(other.m_taskBar),
      m_dvdRip(other.m_dvdRip),
      m_ffDecoder(other.m_ffDecoder),
      m_recordingPath(other.m_recordingPath)
{
    if (!sSettings) sSettings = this;
}

CLocalSetting& CLocalSetting::operator=(const CLocalSetting& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_mpeg = other.m_mpeg;
    m_taskBar = other.m_taskBar;
    m_dvdRip = other.m_dvdRip;
    m_ffDecoder = other.m_ffDecoder;
    m_recordingPath = other.m_recordingPath;
    return *this;
}

CLocalSetting::~CLocalSetting()
{
    if (sSettings == this) sSettings = nullptr;
}

void CLocalSetting::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_mpeg.Save(kMpegTag, storage);
    m_taskBar.Save(kTaskBarTag, storage);
    m_dvdRip.Save(kDvdRipTag, storage);
    m_ffDecoder.Save(kffDecoderTag, storage);
    m_recordingPath.Save(kRecordingPathTag, storage);
}

void CLocalSetting::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_mpeg.Load(kMpegTag, storage);
    m_taskBar.Load(kTaskBarTag, storage);
    m_dvdRip.Load(kDvdRipTag, storage);
    m_ffDecoder.Load(kffDecoderTag, storage);
    m_recordingPath.Load(kRecordingPathTag, storage);
}

bool CLocalSetting::LoadFile()
{
    const bool loaded = UPersistStorage::DefaultLoad(*this, kEngineSettingsRoot, kEngineSettingsFile);
    // Without a file (first start) recordings still need a folder.
    if (m_recordingPath.GetFilePath().IsEmpty())
        m_recordingPath.SetFilePath(CSettingRecordingPath::GetDefaultFolder());
    return loaded;
}

bool CLocalSetting::SaveFile()
{
    return UPersistStorage::DefaultSave(*this, kEngineSettingsRoot, kEngineSettingsFile);
}
