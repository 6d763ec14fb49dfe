#include "CQuorlanData.h"

#include "CPersistStorage.h"
#include "CPortableMediaConversion.h"
#include "CTargetDecisions.h"
#include "CTargetPlatform.h"
#include "UDataListUtils.h"
#include "UPersistUtils.h"
#include "URecordListUtils.h"
#include "UStringBuffer.h"

MV_IMPLEMENT_PERSIST_CLASS(CQuorlanData, CConversionBatch, FourCharCode("qrld"))

unsigned short CQuorlanData::sPspSequence = 0;

namespace {
const char* const kDeviceTag = "device";
const char* const kDevicesTag = "devices";
const char* const kPspSequenceTag = "psp sequence";
}

CQuorlanData::CQuorlanData()
{
    m_devices.SetChildClassId(FourCharCode("pmed"));
}

void CQuorlanData::SaveSelf(const char* name, CPersistStorage& storage)
{
    CConversionBatch::SaveSelf(name, storage);
    storage.Save(kDeviceTag, static_cast<const char*>(m_device));
    m_devices.Save(kDevicesTag, storage);
    storage.Save(kPspSequenceTag, sPspSequence);
}

void CQuorlanData::LoadSelf(const char* name, CPersistStorage& storage)
{
    CConversionBatch::LoadSelf(name, storage);
    UPersistUtils::Load(storage, kDeviceTag, m_device);
    m_devices.Load(kDevicesTag, storage);
    UDataListUtils::DropForeignItems(m_devices, FourCharCode("pmed"));
    unsigned short sequence = 0;
    storage.Load(kPspSequenceTag, sequence);
    if (sequence >= kFirstPspSequence) sPspSequence = sequence;
}

const char* CQuorlanData::Validate()
{
    const char* error = CPersistObject::Validate(true);
    if (error && *error) return error;
    if (CPortableMediaConversion* device = FindDevice(m_device)) return device->Validate();
    return UStringBuffer::Text("No target profile selected.");
}

CString CQuorlanData::ValidateDevice(const char* name)
{
    return name && *name ? CString(name) : m_device;
}

MV_IMPLEMENT_NO_SIDE_EFFECT(CQuorlanData, Device)
MV_IMPLEMENT_PROPERTY_SETTER(CQuorlanData, Device, const char*, m_device, kDeviceChangedNotice)

void CQuorlanData::AddDevice(CPortableMediaConversion* device)
{
    m_devices.Add(device);
}

void CQuorlanData::RemoveDevice(CPortableMediaConversion* device)
{
    URecordListUtils::Delete(m_devices, device);
}

CPortableMediaConversion* CQuorlanData::GetDevice(int index) const
{
    return URecordListUtils::At<CPortableMediaConversion>(m_devices, index);
}

CPortableMediaConversion* CQuorlanData::FindDevice(const char* name) const
{
    return URecordListUtils::FindByName<CPortableMediaConversion>(m_devices, name);
}

CPortableMediaConversion* CQuorlanData::EnsureDevice(const char* name)
{
    if (CPortableMediaConversion* device = FindDevice(name)) return device;
    auto* device = new CPortableMediaConversion;
    device->SetName(name);
    AddDevice(device);
    InitializeDevice(device);
    return device;
}

void CQuorlanData::InitializeDevice(CPortableMediaConversion* device)
{
    CTargetDecisions* decisions = CTargetDecisions::sDecisions;
    if (!device || !decisions || device->GetName().IsEmpty()) return;
    const CString& platformName = device->GetName();
    CTargetPlatform* platform = decisions->FindPlatform(platformName);
    if (platform && platform->GetCanSync()) {
        device->SetAddToSync(true);
        device->SetAddToPlayList(true);
        device->SetPlayList(platform->GetDefaultPlayList());
        device->GetDevice().SetQuality(100);
    }
    if (CTargetConversion* video = decisions->FindTarget(platformName, device->GetVideoTarget(), kMediaTypeVideo))
        device->GetDevice().SetVideoMaxBitrate(video->GetMaxBitrate());
    if (CTargetConversion* audio = decisions->FindTarget(platformName, device->GetAudioTarget(), kMediaTypeAudio))
        device->GetDevice().SetAudioMaxBitrate(audio->GetMaxBitrate());
}

unsigned short CQuorlanData::UsePspSequence()
{
    if (sPspSequence < kFirstPspSequence) sPspSequence = kFirstPspSequence;
    return sPspSequence++;
}
