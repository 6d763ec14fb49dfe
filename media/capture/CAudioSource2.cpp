#include "CAudioSource2.h"

#include "CPersistStorage.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioSource2, CCaptureSource2, FourCharCode("asr2"))

namespace {
const char* const kPortTag = "port";
const char* const kAutoTag = "auto";
const char* const kVolumeTag = "volume";
}

void CAudioSource2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CCaptureSource2::SaveSelf(name, storage);
    storage.Save(kPortTag, static_cast<const char*>(m_connector));
    storage.Save(kAutoTag, m_autoVolume);
    storage.Save(kVolumeTag, m_volume);
}

void CAudioSource2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CCaptureSource2::LoadSelf(name, storage);
    UPersistUtils::Load(storage, kPortTag, m_connector);
    storage.Load(kAutoTag, m_autoVolume);
    storage.Load(kVolumeTag, m_volume);
}

unsigned char CAudioSource2::ValidateVolume(unsigned char volume) { return volume > 100 ? 100 : volume; }
MV_IMPLEMENT_NO_SIDE_EFFECT(CAudioSource2, Volume)
MV_IMPLEMENT_PROPERTY_SETTER(CAudioSource2, Volume, unsigned char, m_volume, kVolumeChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CAudioSource2, Connector, const char*, CString, m_connector, kConnectorChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CAudioSource2, AutoVolume, bool, bool, m_autoVolume, kAutoVolumeChangedNotice)
