#include "CNamedData.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CNamedData, CNamedObject, FourCharCode("namd"))

const char* const CNamedData::kNamedDataDataTag = "data";

CNamedData::CNamedData(const CNamedData& other) : CNamedObject(other), m_data(other.m_data) {}

CNamedData& CNamedData::operator=(const CNamedData& other)
{
    if (this == &other) return *this;
    CNamedObject::operator=(other);
    m_data = other.m_data;
    return *this;
}

void CNamedData::SaveSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::SaveSelf(name, storage);
    m_data.Save(kNamedDataDataTag, storage);
}

void CNamedData::LoadSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::LoadSelf(name, storage);
    m_data.Load(kNamedDataDataTag, storage);
}
