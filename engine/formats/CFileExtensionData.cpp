#include "CFileExtensionData.h"

#include "CPersistStorage.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CFileExtensionData, CPersistObject, CFileExtensionData::kType)

const char* const CFileExtensionData::kExtensionTag = "extension";
const char* const CFileExtensionData::kOptionsTag = "options";

CFileExtensionData::CFileExtensionData(const CFileExtensionData& other)
    : CPersistObject(other), m_extension(other.m_extension), m_options(other.m_options)
{
}

CFileExtensionData& CFileExtensionData::operator=(const CFileExtensionData& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_extension = other.m_extension;
    m_options = other.m_options;
    return *this;
}

void CFileExtensionData::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kExtensionTag, static_cast<const char*>(m_extension));
    m_options.Save(kOptionsTag, storage);
}

void CFileExtensionData::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    UPersistUtils::Load(storage, kExtensionTag, m_extension);
    m_extension.MakeLower();
    m_options.Load(kOptionsTag, storage);
}

CString CFileExtensionData::ValidateExtension(const char* extension)
{
    CString text(extension ? extension : "");
    text.MakeLower();
    return text;
}

bool CFileExtensionData::SetExtension(const char* extension)
{
    return ChangeProperty(m_extension, ValidateExtension(extension), kExtensionChangedNotice);
}
