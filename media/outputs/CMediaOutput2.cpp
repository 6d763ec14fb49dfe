#include "CMediaOutput2.h"

#include "CEnumMap.h"
#include "CPersistStorage.h"

#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(CMediaOutput2, COutputType2, FourCharCode("mdo2"))

namespace {
const char* const kWantsVideoTag = "wants video";
const char* const kWantsAudioTag = "wants audio";
const char* const kTvTag = "tv";
const char* const kVideoTag = "video";
const char* const kAudioTag = "audio";
const char* const kWmTag = "wm";
const char* const kRealTag = "real";
const char* const kSnapTag = "snap";
const char* const kLoopTag = "loop";
}

bool CMediaOutput2::GetEnumText(const char* field, CEnumMap& map)
{
    if (field && std::strcmp(field, kTvTag) == 0) {
        map.Add(0, "-");
        map.Add(1, "NTSC");
        map.Add(2, "PAL");
        return true;
    }
    return COutputType2::GetEnumText(field, map);
}

void CMediaOutput2::SaveSelf(const char* name, CPersistStorage& storage)
{
    COutputType2::SaveSelf(name, storage);
    storage.Save(kWantsVideoTag, m_wantsVideo);
    storage.Save(kWantsAudioTag, m_wantsAudio);
    storage.Save(kTvTag, m_tvType);
    m_video.Save(kVideoTag, storage);
    m_audio.Save(kAudioTag, storage);
    m_wm.Save(kWmTag, storage);
    m_real.Save(kRealTag, storage);
    m_snapshot.Save(kSnapTag, storage);
    storage.Save(kLoopTag, m_loop);
}

void CMediaOutput2::LoadSelf(const char* name, CPersistStorage& storage)
{
    COutputType2::LoadSelf(name, storage);
    storage.Load(kWantsVideoTag, m_wantsVideo);
    storage.Load(kWantsAudioTag, m_wantsAudio);
    storage.Load(kTvTag, m_tvType);
    m_video.Load(kVideoTag, storage);
    m_audio.Load(kAudioTag, storage);
    m_wm.Load(kWmTag, storage);
    m_real.Load(kRealTag, storage);
    m_snapshot.Load(kSnapTag, storage);
    storage.Load(kLoopTag, m_loop);
}

void CMediaOutput2::SideEffectSplitterTypeChanged() {}

bool CMediaOutput2::UseVbrExtension()
{
    return GetSplitterType() == kSplitterTypeRealMedia && std::strstr(m_real.GetProfile(), "VBR") != nullptr;
}

bool CMediaOutput2::ValidateWantsVideo(bool wants) { return m_wantsAudio ? wants : true; }
bool CMediaOutput2::ValidateWantsAudio(bool wants) { return m_wantsVideo ? wants : true; }
MV_IMPLEMENT_NO_SIDE_EFFECT(CMediaOutput2, WantsVideo)
MV_IMPLEMENT_NO_SIDE_EFFECT(CMediaOutput2, WantsAudio)
MV_IMPLEMENT_PROPERTY_SETTER(CMediaOutput2, WantsVideo, bool, m_wantsVideo, kWantsVideoChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CMediaOutput2, WantsAudio, bool, m_wantsAudio, kWantsAudioChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMediaOutput2, TvType, ETvType, ETvType, m_tvType, kTvTypeChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMediaOutput2, Loop, bool, bool, m_loop, kLoopChangedNotice)

CVideoOutput2* CMediaOutput2::GetVideoOutput(unsigned char) { return &m_video; }
CAudioOutput2* CMediaOutput2::GetAudioOutput(unsigned char) { return &m_audio; }
