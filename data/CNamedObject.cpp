#include "CNamedObject.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CNamedObject, CPersistObject, FourCharCode("name"))

const char* const CNamedObject::kNamedObjectNameTag = "name";

CNamedObject::CNamedObject(const CNamedObject& other) : CPersistObject(other), m_name(other.m_name) {}

CNamedObject& CNamedObject::operator=(const CNamedObject& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_name = other.m_name;
    return *this;
}

void CNamedObject::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kNamedObjectNameTag, static_cast<const char*>(m_name));
}

void CNamedObject::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    UPersistUtils::Load(storage, kNamedObjectNameTag, m_name);
}

CString CNamedObject::ValidateName(const char* name)
{
    return CString(name);
}

MV_IMPLEMENT_NO_SIDE_EFFECT(CNamedObject, Name)
MV_IMPLEMENT_PROPERTY_SETTER(CNamedObject, Name, const char*, m_name, kNameChangedNotice)
