#pragma once
// The table of contents of an audio CD.
#include "TRecordList.h"

class CAudioCdTrack2;

class CAudioCdReader2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CAudioCdReader2)
public:
    CAudioCdReader2();

    // Deletes the tracks.
    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // Keeps only CD tracks, whatever the file holds.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // The list takes the track.
    void AddTrack(CAudioCdTrack2* track);
    // Takes the track out and deletes it.
    void RemoveTrack(CAudioCdTrack2* track);
    CAudioCdTrack2* GetTrack(int index) const;
    int GetTrackCount() const { return m_tracks.Count(); }
    int GetTrackIndex(const CAudioCdTrack2* track) const;
    CPersistList& GetTracks() { return m_tracks.List(); }
    int GetCheckedTrackCount() const;

private:
    TRecordList<CAudioCdTrack2> m_tracks;
};
