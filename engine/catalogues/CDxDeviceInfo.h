#pragma once
// An entry of the engine's device and codec catalogues: a display name unique in its
// catalogue, the system device it stands for and whether it is present and usable.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

class CDxDeviceInfo : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CDxDeviceInfo)
public:
    CDxDeviceInfo() = default;
    CDxDeviceInfo(const CDxDeviceInfo&) = default;
    CDxDeviceInfo& operator=(const CDxDeviceInfo&) = default;
    ~CDxDeviceInfo() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(DisplayName, const char*, CString)
    MV_DECLARE_PROPERTY(DeviceName, const char*, CString)
    MV_DECLARE_PROPERTY(Id, const GUID&, GUID)
    MV_DECLARE_PROPERTY(Virtual, bool, bool)
    virtual bool Activate(bool activated);
    virtual bool ValidateActivate(bool activated);
    virtual void SideEffectActivateChanged();

    const char* GetDisplayName() const { return m_displayName; }
    const char* GetDeviceName() const { return m_deviceName; }
    const GUID& GetId() const { return m_id; }
    bool GetVirtual() const { return m_virtual; }
    bool IsActivated() const { return m_activated; }

    static constexpr LONG kType = FourCharCode("dxdi");
    static constexpr LONG kDisplayNameChangedNotice = FourCharCode("dxdj");
    static constexpr LONG kDeviceNameChangedNotice = FourCharCode("dxdi");
    static constexpr LONG kIdChangedNotice = FourCharCode("dxdk");
    static constexpr LONG kVirtualChangedNotice = FourCharCode("dxdl");
    static constexpr LONG kActivatedChangedNotice = FourCharCode("dxdm");
    static constexpr ULONG kMaxNameLength = 255;

private:
    CString m_displayName;
    CString m_deviceName;
    GUID m_id = GUID_NULL;
    bool m_virtual = false;
    bool m_activated = false;
};
