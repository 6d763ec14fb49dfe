#include "CPersistPath.h"

#include "CPersistStorage.h"
#include "UPathText.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CPersistPath, CPersistObject, FourCharCode("pspa"))

const char* const CPersistPath::kPersistPathPathTag = "path";

CPersistPath& CPersistPath::operator=(const CPersistPath& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_filePath = other.m_filePath;
    return *this;
}

void CPersistPath::Clear()
{
    CPersistObject::Clear();
}

void CPersistPath::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kPersistPathPathTag, static_cast<const char*>(m_filePath));
}

void CPersistPath::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    UPersistUtils::Load(storage, kPersistPathPathTag, m_filePath);
}

CString CPersistPath::ValidateFilePath(const char* path)
{
    return UPathText::FolderPath(path);
}

void CPersistPath::SideEffectFilePathChanged() {}

bool CPersistPath::SetFilePath(const char* path)
{
    if (!ChangeProperty(m_filePath, ValidateFilePath(path), kFilePathChangedNotice)) return false;
    SideEffectFilePathChanged();
    return true;
}
