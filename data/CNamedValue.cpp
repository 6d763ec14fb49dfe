#include "CNamedValue.h"

#include "CPersistStorage.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CNamedValue, CNamedObject, FourCharCode("namo"))

const char* const CNamedValue::kNamedValueValueTag = "value";

CNamedValue::CNamedValue(const CNamedValue& other) : CNamedObject(other), m_value(other.m_value) {}

CNamedValue& CNamedValue::operator=(const CNamedValue& other)
{
    if (this == &other) return *this;
    CNamedObject::operator=(other);
    m_value = other.m_value;
    return *this;
}

void CNamedValue::SaveSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::SaveSelf(name, storage);
    storage.Save(kNamedValueValueTag, static_cast<const char*>(m_value));
}

void CNamedValue::LoadSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::LoadSelf(name, storage);
    UPersistUtils::Load(storage, kNamedValueValueTag, m_value);
}

CString CNamedValue::ValidateValue(const char* value)
{
    return CString(value);
}

void CNamedValue::SideEffectValueChanged() {}

bool CNamedValue::SetValue(const char* value)
{
    if (!ChangeProperty(m_value, ValidateValue(value), kValueChangedNotice)) return false;
    SideEffectValueChanged();
    return true;
}
