#include "CWebObject.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"

MV_IMPLEMENT_PERSIST_CLASS(CWebObject, CNamedObject, FourCharCode("wbob"))

const char* const CWebObject::kWebObjectIdTag = "id";

CWebObject& CWebObject::operator=(const CWebObject& other)
{
    if (this == &other) return *this;
    CNamedObject::operator=(other);
    m_id = other.m_id;
    return *this;
}

void CWebObject::SaveSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::SaveSelf(name, storage);
    storage.Save(kWebObjectIdTag, m_id);
}

void CWebObject::LoadSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::LoadSelf(name, storage);
    storage.Load(kWebObjectIdTag, m_id);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CWebObject, Id, LONG, LONG, m_id, kIdChangedNotice)
