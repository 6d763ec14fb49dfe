#include "CPropertyList.h"

#include "CPropertyValue.h"
#include "UDataListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CPropertyList, CPersistObject, FourCharCode("plst"))

const char* const CPropertyList::kPropertyListValuesTag = "Values";

CPropertyList::CPropertyList()
{
    m_values.SetChildClassId(FourCharCode("prpv"));
}

CPropertyList::CPropertyList(const CPropertyList& other) : CPersistObject(other), m_values(other.m_values) {}

CPropertyList& CPropertyList::operator=(const CPropertyList& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_values = other.m_values;
    return *this;
}

void CPropertyList::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_values.Save(kPropertyListValuesTag, storage);
}

void CPropertyList::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_values.Load(kPropertyListValuesTag, storage);
    UDataListUtils::DropForeignItems(m_values, FourCharCode("prpv"));
}

void CPropertyList::AddValue(CPropertyValue* value)
{
    m_values.Add(value);
}

void CPropertyList::RemoveValue(CPropertyValue* value)
{
    m_values.Remove(value);
}

void CPropertyList::AddProperty(const char* name, const char* value)
{
    auto* property = new CPropertyValue;
    property->SetName(name);
    property->SetValue(value);
    AddValue(property);
}

int CPropertyList::GetValueIndex(const CPropertyValue* value) const
{
    return m_values.GetIndex(value);
}

CPropertyValue* CPropertyList::GetValue(int index) const
{
    return static_cast<CPropertyValue*>(m_values.GetAt(index));
}
