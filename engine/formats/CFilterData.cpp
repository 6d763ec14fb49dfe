#include "CFilterData.h"

#include "CPersistStorage.h"
#include "TPersistListSearch.h"
#include "UDataListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CFilterData, CNamedObject, CFilterData::kType)

const char* const CFilterData::kIdTag = "id";
const char* const CFilterData::kNextTag = "next";

CFilterData::CFilterData()
{
    m_next.SetChildClassId(kType);
}

CFilterData::CFilterData(const CFilterData& other) : CNamedObject(other), m_id(other.m_id), m_next(other.m_next) {}

CFilterData& CFilterData::operator=(const CFilterData& other)
{
    if (this == &other) return *this;
    CNamedObject::operator=(other);
    m_id = other.m_id;
    m_next = other.m_next;
    return *this;
}

void CFilterData::SaveSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::SaveSelf(name, storage);
    storage.Save(kIdTag, m_id);
    m_next.Save(kNextTag, storage);
}

void CFilterData::LoadSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::LoadSelf(name, storage);
    storage.Load(kIdTag, m_id);
    m_next.Load(kNextTag, storage);
    UDataListUtils::DropForeignItems(m_next, kType);
}

bool CFilterData::SetId(const GUID& id)
{
    return ChangeProperty(m_id, id, kIdChangedNotice);
}

CFilterData* CFilterData::GetNextFilter(int index) const
{
    return PersistListItem<CFilterData>(m_next, index);
}

void CFilterData::RemoveNextFilter(CFilterData* filter)
{
    RemoveFromPersistList(m_next, filter);
}

CFilterData* CFilterData::FindNextFilter(const GUID& id) const
{
    return FindIn(m_next, id);
}

CFilterData* CFilterData::AddNextFilter(const char* name, const GUID& id)
{
    return FindOrAddIn(m_next, name, id);
}

CFilterData* CFilterData::FindIn(const CPersistList& list, const GUID& id)
{
    return FindInPersistList<CFilterData>(list, [&](const CFilterData& f) { return f.GetId() == id; });
}

CFilterData* CFilterData::FindOrAddIn(CPersistList& list, const char* name, const GUID& id)
{
    if (CFilterData* found = FindIn(list, id)) return found;
    auto* filter = new CFilterData;
    filter->SetName(name);
    filter->SetId(id);
    list.Add(filter);
    return filter;
}
