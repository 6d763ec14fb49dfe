#include "CFileFilterData.h"

#include "CFileExtensionFilterData.h"
#include "CFileTypeData.h"
#include "CFilterData.h"
#include "TPersistListSearch.h"
#include "UDataListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CFileFilterData, CPersistObject, CFileFilterData::kType)

const char* const CFileFilterData::kFileTypesTag = "file types";
const char* const CFileFilterData::kExtensionsTag = "extensions";
const char* const CFileFilterData::kFiltersTag = "filters";

CFileFilterData::CFileFilterData()
{
    m_fileTypes.SetChildClassId(CFileTypeData::kType);
    m_extensions.SetChildClassId(CFileExtensionFilterData::kType);
    m_sources.SetChildClassId(CFilterData::kType);
}

CFileFilterData::CFileFilterData(const CFileFilterData& other)
    : CPersistObject(other), m_fileTypes(other.m_fileTypes), m_extensions(other.m_extensions), m_sources(other.m_sources)
{
}

CFileFilterData& CFileFilterData::operator=(const CFileFilterData& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_fileTypes = other.m_fileTypes;
    m_extensions = other.m_extensions;
    m_sources = other.m_sources;
    return *this;
}

void CFileFilterData::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_fileTypes.Save(kFileTypesTag, storage);
    m_extensions.Save(kExtensionsTag, storage);
    m_sources.Save(kFiltersTag, storage);
}

void CFileFilterData::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_fileTypes.Load(kFileTypesTag, storage);
    m_extensions.Load(kExtensionsTag, storage);
    m_sources.Load(kFiltersTag, storage);
    UDataListUtils::DropForeignItems(m_fileTypes, CFileTypeData::kType);
    UDataListUtils::DropForeignItems(m_extensions, CFileExtensionFilterData::kType);
    UDataListUtils::DropForeignItems(m_sources, CFilterData::kType);
}

CFileTypeData* CFileFilterData::GetFileType(int index) const
{
    return PersistListItem<CFileTypeData>(m_fileTypes, index);
}

CFileTypeData* CFileFilterData::FindFileType(const char* name) const
{
    const CString key(name ? name : "");
    return FindInPersistList<CFileTypeData>(m_fileTypes, [&](const CFileTypeData& t) { return t.GetName() == key; });
}

CFileTypeData* CFileFilterData::AddFileType(const char* name, bool video, bool audio)
{
    if (CFileTypeData* found = FindFileType(name)) return found;
    auto* type = new CFileTypeData;
    type->SetName(name);
    type->SetAllowVideo(video);
    type->SetAllowAudio(audio);
    m_fileTypes.Add(type);
    return type;
}

CFileExtensionFilterData* CFileFilterData::GetFileExtension(int index) const
{
    return PersistListItem<CFileExtensionFilterData>(m_extensions, index);
}

void CFileFilterData::RemoveFileExtension(CFileExtensionFilterData* entry)
{
    RemoveFromPersistList(m_extensions, entry);
}

CFileExtensionFilterData* CFileFilterData::FindExtension(const char* extension) const
{
    return FindExtensionIn<CFileExtensionFilterData>(m_extensions, extension);
}

CFileExtensionFilterData* CFileFilterData::AddExtension(const char* extension)
{
    return FindOrAddExtensionIn<CFileExtensionFilterData>(m_extensions, extension);
}

CFilterData* CFileFilterData::GetFileSource(int index) const
{
    return PersistListItem<CFilterData>(m_sources, index);
}

void CFileFilterData::RemoveFileSource(CFilterData* filter)
{
    RemoveFromPersistList(m_sources, filter);
}

CFilterData* CFileFilterData::FindFileSource(const GUID& id) const
{
    return CFilterData::FindIn(m_sources, id);
}

CFilterData* CFileFilterData::AddFileSource(const char* name, const GUID& id)
{
    return CFilterData::FindOrAddIn(m_sources, name, id);
}

void CFileFilterData::AddFileType(CFileTypeData* entry)
{
    m_fileTypes.Add(entry);
}

void CFileFilterData::AddFileExtension(CFileExtensionFilterData* entry)
{
    m_extensions.Add(entry);
}

void CFileFilterData::AddFileSource(CFilterData* filter)
{
    m_sources.Add(filter);
}
