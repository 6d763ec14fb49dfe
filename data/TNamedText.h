#pragma once
// A named object with one text value: the shape shared by named values and property
// values, which differ only in default, stored key and change code.
#include "CNamedObject.h"
#include "CPersistStorage.h"
#include "UPersistUtils.h"

template <class Traits>
class TNamedText : public CNamedObject {
public:
    TNamedText() : m_value(Traits::kDefault) {}
    TNamedText(const TNamedText& other) = default;
    TNamedText& operator=(const TNamedText& other)
    {
        if (this == &other) return *this;
        CNamedObject::operator=(other);
        m_value = other.m_value;
        return *this;
    }
    ~TNamedText() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override
    {
        CNamedObject::SaveSelf(name, storage);
        storage.Save(Traits::kTag, static_cast<const char*>(m_value));
    }
    void LoadSelf(const char* name, CPersistStorage& storage) override
    {
        CNamedObject::LoadSelf(name, storage);
        UPersistUtils::Load(storage, Traits::kTag, m_value);
    }

    virtual CString ValidateValue(const char* value) { return CString(value); }
    virtual void SideEffectValueChanged() {}

    bool SetValue(const char* value)
    {
        if (!ChangeProperty(m_value, ValidateValue(value), Traits::kNotice)) return false;
        SideEffectValueChanged();
        return true;
    }
    const CString& GetValue() const { return m_value; }

    static constexpr LONG kValueChangedNotice = Traits::kNotice;

private:
    CString m_value;
};
