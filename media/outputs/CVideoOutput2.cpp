#include "CVideoOutput2.h"

#include "CPersistStorage.h"

#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(CVideoOutput2, CTrackOutput, FourCharCode("vop2"))

namespace {

const char* const kInfoTag = "info";
const char* const kKeepSizeTag = "keep size";
const char* const kKeepFrameRateTag = "keep frame rate";
const char* const kGreyScaleTag = "grey scale";
const char* const kVideoModeTag = "video mode";
const char* const kKeyTag = "key";
const char* const kLatencyTag = "latency";
const char* const kSettingsTag = "settings";

const struct {
    const char* before;
    const char* after;
} kRenamedEncoders[] = {
    {"MPEG-4 Video ISMA Profile 0", "MPEG-4 Video Basic"},
    {"MPEG-4 Video ISMA Profile 1", "MPEG-4 Video Improved"},
};

}

CVideoOutput2::CVideoOutput2()
{
    SetBitrate(320000);
    m_info.SetWidth(320);
    m_info.SetHeight(240);
    m_info.SetFrameRate(29.97);
}

void CVideoOutput2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CTrackOutput::SaveSelf(name, storage);
    m_info.Save(kInfoTag, storage);
    storage.Save(kKeepSizeTag, m_keepSize);
    storage.Save(kKeepFrameRateTag, m_keepFrameRate);
    storage.Save(kGreyScaleTag, m_greyScale);
    storage.Save(kVideoModeTag, m_videoMode);
    storage.Save(kKeyTag, m_keyFrame);
    storage.Save(kLatencyTag, m_latency);
    m_settings.Save(kSettingsTag, storage);
}

void CVideoOutput2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CTrackOutput::LoadSelf(name, storage);
    m_info.Load(kInfoTag, storage);
    storage.Load(kKeepSizeTag, m_keepSize);
    storage.Load(kKeepFrameRateTag, m_keepFrameRate);
    storage.Load(kGreyScaleTag, m_greyScale);
    storage.Load(kVideoModeTag, m_videoMode);
    storage.Load(kKeyTag, m_keyFrame);
    storage.Load(kLatencyTag, m_latency);
    m_settings.Load(kSettingsTag, storage);
    for (const auto& renamed : kRenamedEncoders)
        if (std::strcmp(GetDisplayName(), renamed.before) == 0) StoreDisplayName(renamed.after);
}

bool CVideoOutput2::ValidateRemux(bool remux) { return remux && !m_greyScale; }

void CVideoOutput2::SideEffectDisplayNameChanged() { SetSettings(nullptr, 0); }

void CVideoOutput2::SideEffectGreyScaleChanged()
{
    if (m_greyScale) SetRemux(false);
}

MV_IMPLEMENT_PLAIN_VALIDATOR(CVideoOutput2, GreyScale, bool, bool)
MV_IMPLEMENT_PROPERTY_SETTER(CVideoOutput2, GreyScale, bool, m_greyScale, kGreyScaleChangedNotice)

MV_IMPLEMENT_PLAIN_PROPERTY(CVideoOutput2, KeepSize, bool, bool, m_keepSize, kKeepSizeChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CVideoOutput2, KeepFrameRate, bool, bool, m_keepFrameRate, kKeepFrameRateChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CVideoOutput2, VideoMode, EVideoMode, EVideoMode, m_videoMode, kVideoModeChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CVideoOutput2, KeyFrame, ULONG, ULONG, m_keyFrame, kKeyFrameChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CVideoOutput2, Latency, unsigned short, unsigned short, m_latency, kLatencyChangedNotice)

void CVideoOutput2::SetSettings(const unsigned char* data, unsigned long length)
{
    CHandle& bytes = m_settings.GetData();
    bytes.Allocate(0, false);
    if (data && length != 0) bytes.Append(data, static_cast<ULONG>(length));
    Notify(kSettingsChangedNotice, 0, 0);
}

void CVideoOutput2::SetSettings(const CHandle& settings)
{
    m_settings.GetData() = settings;
    Notify(kSettingsChangedNotice, 0, 0);
}

void CVideoOutput2::ShortCut(EDiscType disc, ETvType tv, int size)
{
    SetKeepSize(false);
    SetKeepFrameRate(false);
    SetRegulateTimecode(true);
    const bool ntsc = tv == kTvTypeNtsc;
    m_info.SetFrameRate(ntsc ? 29.97 : 25.0);
    const unsigned short fullHeight = ntsc ? 480 : 576;
    const unsigned short halfHeight = ntsc ? 240 : 288;
    unsigned short width = 0, height = fullHeight;
    switch (disc) {
    case 1:
        switch (size) {
        case 0: width = 352, height = halfHeight; break;
        case 1: width = 352; break;
        case 2: width = 704; break;
        case 3: width = 720; break;
        default: return;
        }
        break;
    case 2: width = 480; break;
    case 3: width = 352, height = halfHeight; break;
    case 4: width = 720; break;
    default: return;
    }
    m_info.SetWidth(width);
    m_info.SetHeight(height);
}
