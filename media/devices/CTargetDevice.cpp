#include "CTargetDevice.h"

#include "CPersistStorage.h"

#include <algorithm>

MV_IMPLEMENT_PERSIST_CLASS(CTargetDevice, CPersistObject, FourCharCode("tdev"))

namespace {
const char* const kQualityTag = "quality";
const char* const kVideoMaxTag = "video max";
const char* const kAudioMaxTag = "audio max";
}

void CTargetDevice::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kQualityTag, m_quality);
    storage.Save(kVideoMaxTag, m_videoMaxBitrate);
    storage.Save(kAudioMaxTag, m_audioMaxBitrate);
}

void CTargetDevice::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kQualityTag, m_quality);
    storage.Load(kVideoMaxTag, m_videoMaxBitrate);
    storage.Load(kAudioMaxTag, m_audioMaxBitrate);
}

// A quality already on a multiple of 5 stays where it is.
unsigned char CTargetDevice::ValidateQuality(unsigned char quality)
{
    const int rounded = (quality + 2) / 5 * 5;
    return static_cast<unsigned char>(std::clamp(rounded, 5, 100));
}

ULONG CTargetDevice::ValidateVideoMaxBitrate(ULONG bitrate)
{
    return std::clamp<ULONG>(bitrate, 160000, 2500000);
}

ULONG CTargetDevice::ValidateAudioMaxBitrate(ULONG bitrate)
{
    return std::clamp<ULONG>(bitrate, 8000, 320000);
}

MV_IMPLEMENT_NO_SIDE_EFFECT(CTargetDevice, Quality)
MV_IMPLEMENT_NO_SIDE_EFFECT(CTargetDevice, VideoMaxBitrate)
MV_IMPLEMENT_NO_SIDE_EFFECT(CTargetDevice, AudioMaxBitrate)
MV_IMPLEMENT_PROPERTY_SETTER(CTargetDevice, Quality, unsigned char, m_quality, kQualityChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CTargetDevice, VideoMaxBitrate, ULONG, m_videoMaxBitrate,
                             kVideoMaxBitrateChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CTargetDevice, AudioMaxBitrate, ULONG, m_audioMaxBitrate,
                             kAudioMaxBitrateChangedNotice)
