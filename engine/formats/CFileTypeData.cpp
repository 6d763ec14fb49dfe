#include "CFileTypeData.h"

#include "CFileExtensionData.h"
#include "CPersistStorage.h"
#include "TPersistListSearch.h"
#include "UDataListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CFileTypeData, CNamedObject, CFileTypeData::kType)

const char* const CFileTypeData::kVideoTag = "video";
const char* const CFileTypeData::kAudioTag = "audio";
const char* const CFileTypeData::kExtensionsTag = "extensions";

CFileTypeData::CFileTypeData()
{
    m_extensions.SetChildClassId(CFileExtensionData::kType);
}

CFileTypeData::CFileTypeData(const CFileTypeData& other)
    : CNamedObject(other), m_video(other.m_video), m_audio(other.m_audio), m_extensions(other.m_extensions)
{
}

CFileTypeData& CFileTypeData::operator=(const CFileTypeData& other)
{
    if (this == &other) return *this;
    CNamedObject::operator=(other);
    m_video = other.m_video;
    m_audio = other.m_audio;
    m_extensions = other.m_extensions;
    return *this;
}

void CFileTypeData::SaveSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::SaveSelf(name, storage);
    storage.Save(kVideoTag, m_video);
    storage.Save(kAudioTag, m_audio);
    m_extensions.Save(kExtensionsTag, storage);
}

void CFileTypeData::LoadSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::LoadSelf(name, storage);
    storage.Load(kVideoTag, m_video);
    storage.Load(kAudioTag, m_audio);
    m_extensions.Load(kExtensionsTag, storage);
    UDataListUtils::DropForeignItems(m_extensions, CFileExtensionData::kType);
}

bool CFileTypeData::SetAllowVideo(bool allow)
{
    return ChangeProperty(m_video, allow, kVideoChangedNotice);
}

bool CFileTypeData::SetAllowAudio(bool allow)
{
    return ChangeProperty(m_audio, allow, kAudioChangedNotice);
}

CFileExtensionData* CFileTypeData::GetExtension(int index) const
{
    return PersistListItem<CFileExtensionData>(m_extensions, index);
}

void CFileTypeData::RemoveExtension(CFileExtensionData* entry)
{
    RemoveFromPersistList(m_extensions, entry);
}

CFileExtensionData* CFileTypeData::FindExtension(const char* extension) const
{
    return FindExtensionIn<CFileExtensionData>(m_extensions, extension);
}

CFileExtensionData* CFileTypeData::AddExtension(const char* extension)
{
    return FindOrAddExtensionIn<CFileExtensionData>(m_extensions, extension);
}

void CFileTypeData::AddExtension(CFileExtensionData* entry)
{
    m_extensions.Add(entry);
}
