#pragma once
// A saved catalogue of capture devices in display name order. Devices that disappear
// stay, deactivated, with what was found out about them.
#include "CCaptureDevice2.h"
#include "CPersistList.h"

class CDevicesInfo : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CDevicesInfo)
public:
    // Entries of the device class given are kept when a file is loaded.
    explicit CDevicesInfo(LONG deviceType = CCaptureDevice2::kType);
    CDevicesInfo(const CDevicesInfo&) = default;
    CDevicesInfo& operator=(const CDevicesInfo&) = default;
    ~CDevicesInfo() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    int GetDeviceCount() const { return m_devices.GetItemCount(); }
    CCaptureDevice2* GetDevice(int index) const;
    void AddDevice(CCaptureDevice2* device) { m_devices.Add(device); }
    void RemoveDevice(CCaptureDevice2* device);

    CCaptureDevice2* Find(const char* displayName) const;
    // The device name of that entry, or an empty text.
    CString FindDevice(const char* displayName) const;
    // The name itself, or "name 2", "name 3"...: the first that is free or already
    // belongs to this device.
    CString ValidateDisplayName(const char* name, const char* deviceName) const;
    // Brings the activation in line with the present mark and announces the change.
    void SyncActivated(CCaptureDevice2* device);

    // The entry of that device, made (with a unique display name) when missing.
    CCaptureDevice2* Add(const char* name, const char* deviceName);
    // Every device of the system category, added or found and activated.
    void AddSystemDevices(const GUID& category);
    // After a device change: activates what is present, deactivates what is gone.
    void LiveUpdate(const GUID& category);

    static constexpr LONG kType = FourCharCode("cdif");
    static constexpr long kDeviceAddedMessage = 6339852;
    static constexpr long kDeviceRemovedMessage = 6339853;

protected:
    virtual CCaptureDevice2* NewDevice() const;

private:
    LONG m_deviceType;
    CPersistList m_devices{true};
};
