#include "CFileExtensionFilterData.h"

#include "CFilterData.h"
#include "TPersistListSearch.h"
#include "UDataListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CFileExtensionFilterData, CFileExtensionData, CFileExtensionFilterData::kType)

const char* const CFileExtensionFilterData::kFiltersTag = "filters";

CFileExtensionFilterData::CFileExtensionFilterData()
{
    m_filters.SetChildClassId(CFilterData::kType);
}

CFileExtensionFilterData::CFileExtensionFilterData(const CFileExtensionFilterData& other)
    : CFileExtensionData(other), m_filters(other.m_filters)
{
}

CFileExtensionFilterData& CFileExtensionFilterData::operator=(const CFileExtensionFilterData& other)
{
    if (this == &other) return *this;
    CFileExtensionData::operator=(other);
    m_filters = other.m_filters;
    return *this;
}

void CFileExtensionFilterData::SaveSelf(const char* name, CPersistStorage& storage)
{
    CFileExtensionData::SaveSelf(name, storage);
    m_filters.Save(kFiltersTag, storage);
}

void CFileExtensionFilterData::LoadSelf(const char* name, CPersistStorage& storage)
{
    CFileExtensionData::LoadSelf(name, storage);
    m_filters.Load(kFiltersTag, storage);
    UDataListUtils::DropForeignItems(m_filters, CFilterData::kType);
}

CFilterData* CFileExtensionFilterData::GetFilter(int index) const
{
    return PersistListItem<CFilterData>(m_filters, index);
}

int CFileExtensionFilterData::GetFilterIndex(const CFilterData* filter) const
{
    return m_filters.GetIndex(filter);
}

void CFileExtensionFilterData::AddFilter(CFilterData* filter)
{
    m_filters.Add(filter);
}

void CFileExtensionFilterData::AddFilter(CFilterData* filter, int index)
{
    m_filters.AddAt(filter, index);
}

void CFileExtensionFilterData::RemoveFilter(CFilterData* filter)
{
    RemoveFromPersistList(m_filters, filter);
}

CFilterData* CFileExtensionFilterData::FindFilter(const GUID& id) const
{
    return CFilterData::FindIn(m_filters, id);
}

CFilterData* CFileExtensionFilterData::AddFilter(const char* name, const GUID& id)
{
    return CFilterData::FindOrAddIn(m_filters, name, id);
}
