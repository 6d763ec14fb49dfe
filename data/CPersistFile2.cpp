#include "CPersistFile2.h"

#include "CPersistStorage.h"
#include "UFileUtils.h"
#include "UPathText.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CPersistFile2, CPersistObject, FourCharCode("psf2"))

const char* const CPersistFile2::kPersistFilePathTag = "path";

CPersistFile2& CPersistFile2::operator=(const CPersistFile2& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_filePath = other.m_filePath;
    return *this;
}

void CPersistFile2::Clear()
{
    CPersistObject::Clear();
}

void CPersistFile2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kPersistFilePathTag, static_cast<const char*>(m_filePath));
}

void CPersistFile2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    UPersistUtils::Load(storage, kPersistFilePathTag, m_filePath);
}

CString CPersistFile2::ValidateFilePath(const char* path)
{
    return UPathText::FilePath(path);
}

void CPersistFile2::SideEffectFilePathChanged() {}

bool CPersistFile2::SetFilePath(const char* path)
{
    if (!ChangeProperty(m_filePath, ValidateFilePath(path), kFilePathChangedNotice)) return false;
    SideEffectFilePathChanged();
    return true;
}

CString CPersistFile2::GetFileNameOnly() const
{
    return CString(UFileUtils::GetFileNameOnly(m_filePath));
}

CString CPersistFile2::GetFileNameWithoutExtension() const
{
    return CString(UFileUtils::GetFileNameWithoutExtension(m_filePath));
}

CString CPersistFile2::GetPathOnly() const
{
    return CString(UFileUtils::GetPathOnly(m_filePath));
}

bool CPersistFile2::ReplaceExtension(const char* extension)
{
    // A copy first: the next text from the shared ring could overwrite it.
    CString path(UFileUtils::ReplaceExtension(m_filePath, extension));
    return SetFilePath(path);
}
