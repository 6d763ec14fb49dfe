#include "CPropertyValue.h"

#include "CPersistStorage.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CPropertyValue, CNamedObject, FourCharCode("prpv"))

const char* const CPropertyValue::kPropertyValueValueTag = "Value";

CPropertyValue::CPropertyValue(const CPropertyValue& other) : CNamedObject(other), m_value(other.m_value) {}

CPropertyValue& CPropertyValue::operator=(const CPropertyValue& other)
{
    if (this == &other) return *this;
    CNamedObject::operator=(other);
    m_value = other.m_value;
    return *this;
}

void CPropertyValue::SaveSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::SaveSelf(name, storage);
    storage.Save(kPropertyValueValueTag, static_cast<const char*>(m_value));
}

void CPropertyValue::LoadSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::LoadSelf(name, storage);
    UPersistUtils::Load(storage, kPropertyValueValueTag, m_value);
}

CString CPropertyValue::ValidateValue(const char* value)
{
    return CString(value);
}

void CPropertyValue::SideEffectValueChanged() {}

bool CPropertyValue::SetValue(const char* value)
{
    if (!ChangeProperty(m_value, ValidateValue(value), kValueChangedNotice)) return false;
    SideEffectValueChanged();
    return true;
}
