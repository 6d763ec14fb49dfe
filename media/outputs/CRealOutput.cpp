#include "CRealOutput.h"

#include "CPersistStorage.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CRealOutput, CPersistObject, FourCharCode("rlop"))

namespace {
const char* const kProfileTag = "profile";
}

void CRealOutput::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kProfileTag, static_cast<const char*>(m_profile));
}

void CRealOutput::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    UPersistUtils::Load(storage, kProfileTag, m_profile);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CRealOutput, Profile, const char*, CString, m_profile, kProfileChangedNotice)
