#pragma once
// Whether a filter class could be created on this machine.
#include "CPersistObject.h"

class CFilterCheck : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CFilterCheck)
public:
    CFilterCheck() = default;
    CFilterCheck(const CFilterCheck& other);
    CFilterCheck& operator=(const CFilterCheck& other);
    ~CFilterCheck() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    bool SetId(const GUID& id);
    const GUID& GetId() const { return m_id; }
    bool SetInstalled(bool installed);
    bool GetInstalled() const { return m_installed; }

    static constexpr LONG kType = FourCharCode("fick");
    static constexpr LONG kIdChangedNotice = FourCharCode("ficl");
    static constexpr LONG kInstalledChangedNotice = FourCharCode("ficm");
    static const char* const kIdTag;
    static const char* const kInstalledTag;

private:
    GUID m_id = GUID_NULL;
    bool m_installed = false;
};
