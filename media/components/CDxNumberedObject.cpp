#include "CDxNumberedObject.h"

#include "CPersistStorage.h"

namespace {
const char* const kIdTag = "id";
}

CDxNumberedObject& CDxNumberedObject::operator=(const CDxNumberedObject& other)
{
    if (this == &other) return *this;
    CDxObject::operator=(other);
    m_id = other.m_id;
    return *this;
}

void CDxNumberedObject::SaveSelf(const char* name, CPersistStorage& storage)
{
    CDxObject::SaveSelf(name, storage);
    storage.Save(kIdTag, m_id);
}

void CDxNumberedObject::LoadSelf(const char* name, CPersistStorage& storage)
{
    CDxObject::LoadSelf(name, storage);
    storage.Load(kIdTag, m_id);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CDxNumberedObject, Id, LONG, LONG, m_id, kIdChangedNotice)
