#include "CDevicesInfo.h"

#include "CDirectShowSystem2.h"
#include "CPersistStorage.h"
#include "TSortedPersistList.h"
#include "UDataListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CDevicesInfo, CPersistObject, CDevicesInfo::kType)

CDevicesInfo::CDevicesInfo(LONG deviceType) : m_deviceType(deviceType)
{
    m_devices.SetChildClassId(deviceType);
    m_devices.SetCompareFunction(ComparePersistNames<CCaptureDevice2, &CCaptureDevice2::GetDisplayName>);
}

void CDevicesInfo::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_devices.Save("devices", storage);
}

void CDevicesInfo::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_devices.Load("devices", storage);
    UDataListUtils::DropForeignItems(m_devices, m_deviceType);
}

CCaptureDevice2* CDevicesInfo::GetDevice(int index) const
{
    return PersistListItem<CCaptureDevice2>(m_devices, index);
}

void CDevicesInfo::RemoveDevice(CCaptureDevice2* device)
{
    RemoveFromPersistList(m_devices, device);
}

CCaptureDevice2* CDevicesInfo::Find(const char* displayName) const
{
    const CString wanted(displayName ? displayName : "");
    return FindInPersistList<CCaptureDevice2>(m_devices,
                                              [&](const CCaptureDevice2& d) { return wanted == d.GetDisplayName(); });
}

CString CDevicesInfo::FindDevice(const char* displayName) const
{
    const CCaptureDevice2* device = Find(displayName);
    return device ? CString(device->GetDeviceName()) : CString();
}

CString CDevicesInfo::ValidateDisplayName(const char* name, const char* deviceName) const
{
    const CString base(name ? name : "");
    const CString device(deviceName ? deviceName : "");
    // Each taken candidate names a distinct entry, so this ends by the entry count + 1.
    for (int n = 1;; ++n) {
        CString candidate = base;
        if (n > 1) candidate.Format("%s %d", static_cast<const char*>(base), n);
        const CCaptureDevice2* entry = Find(candidate);
        if (!entry || device == entry->GetDeviceName()) return candidate;
    }
}

void CDevicesInfo::SyncActivated(CCaptureDevice2* device)
{
    if (!device || device->GetTempActivated() == device->IsActivated()) return;
    device->Activate(device->GetTempActivated());
    Broadcast(device->IsActivated() ? kDeviceAddedMessage : kDeviceRemovedMessage, this, device);
}

CCaptureDevice2* CDevicesInfo::Add(const char* name, const char* deviceName)
{
    const CString unique = ValidateDisplayName(name, deviceName);
    if (CCaptureDevice2* found = Find(unique)) return found;
    CCaptureDevice2* device = NewDevice();
    device->SetDisplayName(unique);
    device->SetDeviceName(deviceName ? deviceName : "");
    m_devices.Add(device);
    return device;
}

CCaptureDevice2* CDevicesInfo::NewDevice() const
{
    return new CCaptureDevice2;
}

void CDevicesInfo::AddSystemDevices(const GUID& category)
{
    CDirectShowSystem2::IteratorThroughDevices(
        category, [&](IMoniker*, const char* friendlyName, const char* displayName) {
            Add(friendlyName, displayName)->Activate(true);
        });
}

void CDevicesInfo::LiveUpdate(const GUID& category)
{
    for (int i = 0; i < GetDeviceCount(); ++i) GetDevice(i)->SetTempActivated(false);
    CDirectShowSystem2::IteratorThroughDevices(
        category, [&](IMoniker*, const char* friendlyName, const char* displayName) {
            Add(friendlyName, displayName)->SetTempActivated(true);
        });
    for (int i = 0; i < GetDeviceCount(); ++i) SyncActivated(GetDevice(i));
}
