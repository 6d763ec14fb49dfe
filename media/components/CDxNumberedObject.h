#pragma once
// The part the DMO and file descriptors share: a numeric id beside name and installed flag.
// Not registered itself; each variant registers its own code.
#include "CDxObject.h"
#include "MvMediaProperty.h"

class CDxNumberedObject : public CDxObject {
public:
    CDxNumberedObject() = default;
    CDxNumberedObject(const CDxNumberedObject& other) = default;
    CDxNumberedObject& operator=(const CDxNumberedObject& other);
    ~CDxNumberedObject() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Id, LONG, LONG)
    const LONG& GetId() const { return m_id; }

    static constexpr LONG kIdChangedNotice = FourCharCode("wboc");

private:
    LONG m_id = 0;
};
