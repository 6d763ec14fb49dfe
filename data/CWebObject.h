#pragma once
// A named object that a web service knows by a numeric id.
#include "CNamedObject.h"

class CWebObject : public CNamedObject {
    MV_DECLARE_PERSIST_CLASS(CWebObject)
public:
    CWebObject() = default;
    CWebObject(const CWebObject& other) = default;
    CWebObject& operator=(const CWebObject& other);
    ~CWebObject() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual LONG ValidateId(LONG id);
    virtual void SideEffectIdChanged();

    bool SetId(LONG id);
    LONG GetId() const { return m_id; }

    static constexpr LONG kIdChangedNotice = FourCharCode("wboc");
    static const char* const kWebObjectIdTag;

protected:
    LONG m_id = 0;
};
