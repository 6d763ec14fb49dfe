#pragma once
// A persistent object with a user-visible name.
#include "CPersistObject.h"
#include "afx/CString.h"

class CNamedObject : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CNamedObject)
public:
    CNamedObject() = default;
    CNamedObject(const CNamedObject& other);
    CNamedObject& operator=(const CNamedObject& other);
    ~CNamedObject() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual CString ValidateName(const char* name);
    virtual void SideEffectNameChanged();

    bool SetName(const char* name);
    const CString& GetName() const { return m_name; }

    static constexpr LONG kNameChangedNotice = FourCharCode("namf");
    static const char* const kNamedObjectNameTag;

protected:
    CString m_name;
};
