#include "CTargetConversion.h"

#include "CPersistStorage.h"
#include "UPersistUtils.h"

#include <algorithm>

MV_IMPLEMENT_PERSIST_CLASS(CTargetConversion, CMediaOutput2, FourCharCode("targ"))

namespace {
const char* const kPexlowTag = "pexlow";
const char* const kPlatformTag = "platform";
const char* const kNameTag = "name";
const char* const kNotesTag = "notes";
const char* const kDirTag = "dir";
const char* const kMediaTypeTag = "media type";
const char* const kMaxVideoPixelsTag = "max video pixels";
const char* const kMinVideoPixelsTag = "min video pixels";
const char* const kHorizontalAlignmentTag = "horizontal alignment";
const char* const kVerticalAlignmentTag = "vertical alignment";
const char* const kMaxBitrateTag = "max bitrate";
const char* const kDiscreteVideoTag = "discrete video";
const char* const kDiscreteFrameRateTag = "discrete frame rate";
const char* const kDiscreteAudioTag = "discrete audio";
const char* const kCanSyncTag = "can sync";
const char* const kAutoRotationTag = "auto rotation";
const char* const kMinVideoOutputTag = "min video output";
const char* const kMinAudioOutputTag = "min audio output";
const char* const kAspectRatioTag = "aspect ratio";

// Devices take a fixed frame size and rate, so neither follows the input.
void FixVideo(CVideoOutput2& video)
{
    video.SetKeepFrameRate(false);
    video.SetKeepSize(false);
    video.SetRegulateTimecode(true);
}

ULONG PixelsOf(const CVideoOutput2& video)
{
    return ULONG(video.GetVideoInfo().GetWidth()) * video.GetVideoInfo().GetHeight();
}
}

CTargetConversion::CTargetConversion()
{
    FixVideo(CMediaOutput2::GetVideoOutput());
    FixVideo(m_minVideo);
    CMediaOutput2::GetAudioOutput().SetRegulateTimecode(true);
    CMediaOutput2::GetAudioOutput().SetAutoSettings(false);
    m_minAudio.SetRegulateTimecode(true);
    m_aspectRatio.SetOutput(4.0 / 3.0);
    m_aspectRatio.SetScaling(kLetterBox);
}

void CTargetConversion::SaveSelf(const char* name, CPersistStorage& storage)
{
    CMediaOutput2::SaveSelf(name, storage);
    storage.Save(kPexlowTag, m_pexlowId);
    storage.Save(kPlatformTag, static_cast<const char*>(m_platform));
    storage.Save(kNameTag, static_cast<const char*>(m_name));
    storage.Save(kNotesTag, static_cast<const char*>(m_notes));
    storage.Save(kDirTag, static_cast<const char*>(m_directory));
    storage.Save(kMediaTypeTag, m_mediaType);
    storage.Save(kMaxVideoPixelsTag, m_maxVideoPixels);
    storage.Save(kMinVideoPixelsTag, m_minVideoPixels);
    storage.Save(kHorizontalAlignmentTag, m_horizontalAlignment);
    storage.Save(kVerticalAlignmentTag, m_verticalAlignment);
    storage.Save(kMaxBitrateTag, m_maxBitrate);
    storage.Save(kDiscreteVideoTag, m_discreteVideo);
    storage.Save(kDiscreteFrameRateTag, m_discreteFrameRate);
    storage.Save(kDiscreteAudioTag, m_discreteAudio);
    storage.Save(kCanSyncTag, m_canSync);
    storage.Save(kAutoRotationTag, m_autoRotation);
    m_minVideo.Save(kMinVideoOutputTag, storage);
    m_minAudio.Save(kMinAudioOutputTag, storage);
    m_aspectRatio.Save(kAspectRatioTag, storage);
}

void CTargetConversion::LoadSelf(const char* name, CPersistStorage& storage)
{
    CMediaOutput2::LoadSelf(name, storage);
    storage.Load(kPexlowTag, m_pexlowId);
    UPersistUtils::Load(storage, kPlatformTag, m_platform);
    UPersistUtils::Load(storage, kNameTag, m_name);
    UPersistUtils::Load(storage, kNotesTag, m_notes);
    UPersistUtils::Load(storage, kDirTag, m_directory);
    storage.Load(kMediaTypeTag, m_mediaType);
    storage.Load(kMaxVideoPixelsTag, m_maxVideoPixels);
    storage.Load(kMinVideoPixelsTag, m_minVideoPixels);
    storage.Load(kHorizontalAlignmentTag, m_horizontalAlignment);
    storage.Load(kVerticalAlignmentTag, m_verticalAlignment);
    storage.Load(kMaxBitrateTag, m_maxBitrate);
    storage.Load(kDiscreteVideoTag, m_discreteVideo);
    storage.Load(kDiscreteFrameRateTag, m_discreteFrameRate);
    storage.Load(kDiscreteAudioTag, m_discreteAudio);
    storage.Load(kCanSyncTag, m_canSync);
    storage.Load(kAutoRotationTag, m_autoRotation);
    m_minVideo.Load(kMinVideoOutputTag, storage);
    m_minAudio.Load(kMinAudioOutputTag, storage);
    m_aspectRatio.Load(kAspectRatioTag, storage);
    m_horizontalAlignment = std::max(m_horizontalAlignment, kLeastAlignment);
    m_verticalAlignment = std::max(m_verticalAlignment, kLeastAlignment);
}

CVideoOutput2* CTargetConversion::GetVideoOutput(unsigned char index)
{
    return index == 1 ? &m_minVideo : CMediaOutput2::GetVideoOutput(index);
}

CAudioOutput2* CTargetConversion::GetAudioOutput(unsigned char index)
{
    return index == 1 ? &m_minAudio : CMediaOutput2::GetAudioOutput(index);
}

ULONG CTargetConversion::GetMaxVideoPixels() const
{
    if (m_maxVideoPixels) return m_maxVideoPixels;
    return PixelsOf(const_cast<CTargetConversion*>(this)->CMediaOutput2::GetVideoOutput());
}

ULONG CTargetConversion::GetMinVideoPixels() const
{
    return m_minVideoPixels ? m_minVideoPixels : PixelsOf(m_minVideo);
}

void CTargetConversion::SideEffectMediaTypeChanged()
{
    if (m_mediaType == kMediaTypeVideo) {
        SetWantsVideo(true);
        SetWantsAudio(true);
    } else if (m_mediaType == kMediaTypeAudio) {
        SetWantsAudio(true);
        SetWantsVideo(false);
    }
}

MV_IMPLEMENT_PLAIN_PROPERTY(CTargetConversion, PexlowId, LONG, LONG, m_pexlowId, kPexlowIdChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetConversion, Platform, const char*, CString, m_platform, kPlatformChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetConversion, Name, const char*, CString, m_name, kNameChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetConversion, Notes, const char*, CString, m_notes, kNotesChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetConversion, Directory, const char*, CString, m_directory,
                            kDirectoryChangedNotice)
MV_IMPLEMENT_PLAIN_VALIDATOR(CTargetConversion, MediaType, EMediaType, EMediaType)
MV_IMPLEMENT_PROPERTY_SETTER(CTargetConversion, MediaType, EMediaType, m_mediaType, kMediaTypeChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetConversion, MaxVideoPixels, ULONG, ULONG, m_maxVideoPixels,
                            kMaxVideoPixelsChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetConversion, MinVideoPixels, ULONG, ULONG, m_minVideoPixels,
                            kMinVideoPixelsChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetConversion, HorizontalAlignment, unsigned short, unsigned short,
                            m_horizontalAlignment, kHorizontalAlignmentChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetConversion, VerticalAlignment, unsigned short, unsigned short,
                            m_verticalAlignment, kVerticalAlignmentChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetConversion, MaxBitrate, ULONG, ULONG, m_maxBitrate, kMaxBitrateChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetConversion, DiscreteVideo, bool, bool, m_discreteVideo,
                            kDiscreteVideoChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetConversion, DiscreteFrameRate, bool, bool, m_discreteFrameRate,
                            kDiscreteFrameRateChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetConversion, DiscreteAudio, bool, bool, m_discreteAudio,
                            kDiscreteAudioChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetConversion, CanSync, bool, bool, m_canSync, kCanSyncChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTargetConversion, AutoRotation, bool, bool, m_autoRotation,
                            kAutoRotationChangedNotice)
