#include "CWmOutput2.h"

#include "CPersistStorage.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CWmOutput2, CPersistObject, FourCharCode("wmcd"))

namespace {
const char* const kVersionTag = "version";
const char* const kProfileTag = "profile";
}

void CWmOutput2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kVersionTag, m_version);
    storage.Save(kProfileTag, static_cast<const char*>(m_profile));
}

void CWmOutput2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kVersionTag, m_version);
    UPersistUtils::Load(storage, kProfileTag, m_profile);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CWmOutput2, Version, unsigned short, unsigned short, m_version, kVersionChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CWmOutput2, Profile, const char*, CString, m_profile, kProfileChangedNotice)
