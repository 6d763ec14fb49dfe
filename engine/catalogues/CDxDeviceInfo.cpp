#include "CDxDeviceInfo.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CDxDeviceInfo, CPersistObject, CDxDeviceInfo::kType)

namespace {

const char* const kDeviceTag = "device";
const char* const kNameTag = "name";
const char* const kIdTag = "filter id";
const char* const kVirtualTag = "virtual";

// A stored name is cut to the catalogue's limit, whatever the file holds.
void LoadName(CPersistStorage& storage, const char* key, CString& text)
{
    char buffer[CDxDeviceInfo::kMaxNameLength + 1];
    storage.Load(key, buffer, sizeof buffer);
    text = buffer;
}

}  // namespace

void CDxDeviceInfo::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kDeviceTag, static_cast<const char*>(m_deviceName));
    storage.Save(kNameTag, static_cast<const char*>(m_displayName));
    storage.Save(kIdTag, m_id);
    storage.Save(kVirtualTag, m_virtual);
}

void CDxDeviceInfo::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    LoadName(storage, kDeviceTag, m_deviceName);
    LoadName(storage, kNameTag, m_displayName);
    storage.Load(kIdTag, m_id);
    storage.Load(kVirtualTag, m_virtual);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CDxDeviceInfo, DisplayName, const char*, CString, m_displayName, kDisplayNameChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CDxDeviceInfo, DeviceName, const char*, CString, m_deviceName, kDeviceNameChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CDxDeviceInfo, Id, const GUID&, GUID, m_id, kIdChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CDxDeviceInfo, Virtual, bool, bool, m_virtual, kVirtualChangedNotice)

bool CDxDeviceInfo::Activate(bool activated)
{
    if (!ChangeProperty(m_activated, ValidateActivate(activated), kActivatedChangedNotice)) return false;
    SideEffectActivateChanged();
    return true;
}

bool CDxDeviceInfo::ValidateActivate(bool activated) { return activated; }
void CDxDeviceInfo::SideEffectActivateChanged() {}
