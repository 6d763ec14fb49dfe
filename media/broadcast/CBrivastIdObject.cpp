#include "CBrivastIdObject.h"

#include "CPersistStorage.h"

namespace {
const char* const kIdTag = "id";
}

void CBrivastIdObject::SaveSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::SaveSelf(name, storage);
    storage.Save(kIdTag, m_id);
}

void CBrivastIdObject::LoadSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::LoadSelf(name, storage);
    storage.Load(kIdTag, m_id);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CBrivastIdObject, Id, ULONG, ULONG, m_id, kIdChangedNotice)
