#pragma once
// The tracks and tags of an input, with the video, audio and subtitle track chosen.
#include "CMediaInfo2.h"
#include "CMediaTags.h"
#include "TRecordList.h"

class CAudioTrack;
class CSubtitleTrack;
class CVideoTrack;

class CMediaStream : public CMediaInfo2 {
    MV_DECLARE_PERSIST_CLASS(CMediaStream)
public:
    CMediaStream();

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // Keeps each list to its own kind of track, whatever the file holds.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // An index past the tracks becomes 0.
    MV_DECLARE_PROPERTY(SelectVideo, unsigned char, unsigned char)
    MV_DECLARE_PROPERTY(SelectAudio, unsigned char, unsigned char)
    MV_DECLARE_PROPERTY(ShowSubtitle, bool, bool)
    MV_DECLARE_PROPERTY(SelectSubtitle, unsigned char, unsigned char)
    // Also deletes every track and zeroes the selections silently.
    void Close() override;

    // The list takes the track.
    void AddVideoTrack(CVideoTrack* track);
    void AddAudioTrack(CAudioTrack* track);
    void AddSubtitleTrack(CSubtitleTrack* track);
    // Takes the track out (the caller owns it again) and re-checks the selection.
    void RemoveVideoTrack(CVideoTrack* track);
    void RemoveAudioTrack(CAudioTrack* track);
    void RemoveSubtitleTrack(CSubtitleTrack* track);

    CVideoTrack* GetVideoTrack(int index) const;
    CAudioTrack* GetAudioTrack(int index) const;
    CSubtitleTrack* GetSubtitleTrack(int index) const;
    int GetVideoTrackCount() const { return m_videoTracks.Count(); }
    int GetAudioTrackCount() const { return m_audioTracks.Count(); }
    int GetSubtitleTrackCount() const { return m_subtitleTracks.Count(); }
    bool HasVideo() const { return GetVideoTrackCount() != 0; }
    bool HasAudio() const { return GetAudioTrackCount() != 0; }
    bool HasSubtitle() const { return GetSubtitleTrackCount() != 0; }

    // The selected track, or the first when the selection is past the tracks.
    CVideoTrack* GetSelectedVideo() const;
    CAudioTrack* GetSelectedAudio() const;
    // None while subtitles are not shown.
    CSubtitleTrack* GetSelectedSubtitle() const;
    CString GetVideoSummary() const;
    CString GetAudioSummary() const;

    unsigned char GetSelectVideo() const { return m_selectVideo; }
    unsigned char GetSelectAudio() const { return m_selectAudio; }
    bool GetShowSubtitle() const { return m_showSubtitle; }
    unsigned char GetSelectSubtitle() const { return m_selectSubtitle; }
    CMediaTags& GetTags() { return m_tags; }

    static constexpr LONG kSelectVideoChangedNotice = FourCharCode("mdsu");
    static constexpr LONG kSelectAudioChangedNotice = FourCharCode("mdsv");
    static constexpr LONG kShowSubtitleChangedNotice = FourCharCode("mdsw");
    static constexpr LONG kSelectSubtitleChangedNotice = FourCharCode("mdsx");

private:
    TRecordList<CVideoTrack> m_videoTracks;
    TRecordList<CAudioTrack> m_audioTracks;
    TRecordList<CSubtitleTrack> m_subtitleTracks;
    CMediaTags m_tags;
    unsigned char m_selectVideo = 0;
    unsigned char m_selectAudio = 0;
    bool m_showSubtitle = false;
    unsigned char m_selectSubtitle = 0;
};
