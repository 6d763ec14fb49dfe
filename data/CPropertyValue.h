#pragma once
// One name/value property of a property list; its text is stored under "Value".
#include "CNamedObject.h"

class CPropertyValue : public CNamedObject {
    MV_DECLARE_PERSIST_CLASS(CPropertyValue)
public:
    CPropertyValue() = default;
    CPropertyValue(const CPropertyValue& other);
    CPropertyValue& operator=(const CPropertyValue& other);
    ~CPropertyValue() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual CString ValidateValue(const char* value);
    virtual void SideEffectValueChanged();

    bool SetValue(const char* value);
    const CString& GetValue() const { return m_value; }

    static constexpr LONG kValueChangedNotice = FourCharCode("prpw");
    static const char* const kPropertyValueValueTag;

private:
    CString m_value = "Untitled";
};
