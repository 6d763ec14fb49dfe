#include "CDualPersistPath.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CDualPersistPath, CPersistPath, FourCharCode("dpsf"))

const char* const CDualPersistPath::kDualPersistPathPath2Tag = "dppa";

CDualPersistPath& CDualPersistPath::operator=(const CDualPersistPath& other)
{
    if (this == &other) return *this;
    CPersistPath::operator=(other);
    m_filePath2 = other.m_filePath2;
    return *this;
}

void CDualPersistPath::Clear()
{
    CPersistPath::Clear();
}

void CDualPersistPath::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistPath::SaveSelf(name, storage);
    storage.Save(kDualPersistPathPath2Tag, static_cast<const char*>(m_filePath2));
}

void CDualPersistPath::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistPath::LoadSelf(name, storage);
    UPersistUtils::Load(storage, kDualPersistPathPath2Tag, m_filePath2);
}

CString CDualPersistPath::ValidateFilePath2(const char* path)
{
    return ValidateFilePath(path);
}

MV_IMPLEMENT_NO_SIDE_EFFECT(CDualPersistPath, FilePath2)
MV_IMPLEMENT_PROPERTY_SETTER(CDualPersistPath, FilePath2, const char*, m_filePath2, kFilePath2ChangedNotice)
