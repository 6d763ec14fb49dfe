#include "CMediaStream.h"

#include "CAudioTrack.h"
#include "CPersistStorage.h"
#include "CSubtitleTrack.h"
#include "CVideoTrack.h"

MV_IMPLEMENT_PERSIST_CLASS(CMediaStream, CMediaInfo2, FourCharCode("mdst"))

namespace {
const char* const kVideoTracksTag = "video tracks";
const char* const kAudioTracksTag = "audio tracks";
const char* const kSubtitleTracksTag = "subtitle tracks";
const char* const kTagsTag = "tags";
const char* const kSelectVideoTag = "select video";
const char* const kSelectAudioTag = "select audio";
const char* const kShowSubtitleTag = "show subtitle";
const char* const kSelectSubtitleTag = "select subtitle";
}

CMediaStream::CMediaStream()
    : m_videoTracks(FourCharCode("vtrk")), m_audioTracks(FourCharCode("atrk")), m_subtitleTracks(FourCharCode("strk"))
{
}

void CMediaStream::SaveSelf(const char* name, CPersistStorage& storage)
{
    CMediaInfo2::SaveSelf(name, storage);
    m_videoTracks.Save(kVideoTracksTag, storage);
    m_audioTracks.Save(kAudioTracksTag, storage);
    m_subtitleTracks.Save(kSubtitleTracksTag, storage);
    m_tags.Save(kTagsTag, storage);
    storage.Save(kSelectVideoTag, m_selectVideo);
    storage.Save(kSelectAudioTag, m_selectAudio);
    storage.Save(kShowSubtitleTag, m_showSubtitle);
    storage.Save(kSelectSubtitleTag, m_selectSubtitle);
}

void CMediaStream::LoadSelf(const char* name, CPersistStorage& storage)
{
    CMediaInfo2::LoadSelf(name, storage);
    m_videoTracks.Load(kVideoTracksTag, storage);
    m_audioTracks.Load(kAudioTracksTag, storage);
    m_subtitleTracks.Load(kSubtitleTracksTag, storage);
    m_tags.Load(kTagsTag, storage);
    storage.Load(kSelectVideoTag, m_selectVideo);
    storage.Load(kSelectAudioTag, m_selectAudio);
    storage.Load(kShowSubtitleTag, m_showSubtitle);
    storage.Load(kSelectSubtitleTag, m_selectSubtitle);
}

unsigned char CMediaStream::ValidateSelectVideo(unsigned char index)
{
    return m_videoTracks.IndexInRange(index);
}
unsigned char CMediaStream::ValidateSelectAudio(unsigned char index)
{
    return m_audioTracks.IndexInRange(index);
}
unsigned char CMediaStream::ValidateSelectSubtitle(unsigned char index)
{
    return m_subtitleTracks.IndexInRange(index);
}
MV_IMPLEMENT_NO_SIDE_EFFECT(CMediaStream, SelectVideo)
MV_IMPLEMENT_NO_SIDE_EFFECT(CMediaStream, SelectAudio)
MV_IMPLEMENT_NO_SIDE_EFFECT(CMediaStream, SelectSubtitle)
MV_IMPLEMENT_PROPERTY_SETTER(CMediaStream, SelectVideo, unsigned char, m_selectVideo, kSelectVideoChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CMediaStream, SelectAudio, unsigned char, m_selectAudio, kSelectAudioChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CMediaStream, SelectSubtitle, unsigned char, m_selectSubtitle,
                             kSelectSubtitleChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMediaStream, ShowSubtitle, bool, bool, m_showSubtitle, kShowSubtitleChangedNotice)

void CMediaStream::Close()
{
    CMediaInfo2::Close();
    m_subtitleTracks.DeleteAll();
    m_audioTracks.DeleteAll();
    m_videoTracks.DeleteAll();
    m_selectVideo = 0;
    m_selectAudio = 0;
    m_selectSubtitle = 0;
}

void CMediaStream::AddVideoTrack(CVideoTrack* track) { m_videoTracks.Add(track); }
void CMediaStream::AddAudioTrack(CAudioTrack* track) { m_audioTracks.Add(track); }
void CMediaStream::AddSubtitleTrack(CSubtitleTrack* track) { m_subtitleTracks.Add(track); }

void CMediaStream::RemoveVideoTrack(CVideoTrack* track)
{
    m_videoTracks.Remove(track);
    SetSelectVideo(m_selectVideo);
}

void CMediaStream::RemoveAudioTrack(CAudioTrack* track)
{
    m_audioTracks.Remove(track);
    SetSelectAudio(m_selectAudio);
}

void CMediaStream::RemoveSubtitleTrack(CSubtitleTrack* track)
{
    m_subtitleTracks.Remove(track);
    SetSelectSubtitle(m_selectSubtitle);
}

CVideoTrack* CMediaStream::GetVideoTrack(int index) const
{
    return m_videoTracks.At(index);
}

CAudioTrack* CMediaStream::GetAudioTrack(int index) const
{
    return m_audioTracks.At(index);
}

CSubtitleTrack* CMediaStream::GetSubtitleTrack(int index) const
{
    return m_subtitleTracks.At(index);
}

CVideoTrack* CMediaStream::GetSelectedVideo() const
{
    return m_videoTracks.AtOrFirst(m_selectVideo);
}

CAudioTrack* CMediaStream::GetSelectedAudio() const
{
    return m_audioTracks.AtOrFirst(m_selectAudio);
}

CSubtitleTrack* CMediaStream::GetSelectedSubtitle() const
{
    if (!m_showSubtitle) return nullptr;
    return m_subtitleTracks.AtOrFirst(m_selectSubtitle);
}

CString CMediaStream::GetVideoSummary() const
{
    CVideoTrack* track = GetSelectedVideo();
    return track ? track->GetSummary() : CString();
}

CString CMediaStream::GetAudioSummary() const
{
    CAudioTrack* track = GetSelectedAudio();
    return track ? track->GetSummary() : CString();
}
