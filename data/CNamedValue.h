#pragma once
// A name with a text value, stored under "value".
#include "CNamedObject.h"

class CNamedValue : public CNamedObject {
    MV_DECLARE_PERSIST_CLASS(CNamedValue)
public:
    CNamedValue() = default;
    CNamedValue(const CNamedValue& other);
    CNamedValue& operator=(const CNamedValue& other);
    ~CNamedValue() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual CString ValidateValue(const char* value);
    virtual void SideEffectValueChanged();

    bool SetValue(const char* value);
    const CString& GetValue() const { return m_value; }

    static constexpr LONG kValueChangedNotice = FourCharCode("namp");
    static const char* const kNamedValueValueTag;

private:
    CString m_value;
};
