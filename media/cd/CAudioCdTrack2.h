#pragma once
// One track of an audio CD: number, kind, place on the disc in blocks of 1/75 s,
// whether it is to be ripped, and the file it is ripped to. Stored without the object
// id and version and without the media-info values.
#include "CMediaInfo2.h"
#include "CPersistFile2.h"

class CAudioCdTrack2 : public CMediaInfo2 {
    MV_DECLARE_PERSIST_CLASS(CAudioCdTrack2)
public:
    void Save(const char* name, CPersistStorage& storage) override;
    void Load(const char* name, CPersistStorage& storage) override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    double GetConversionDuration() override;
    MV_DECLARE_PROPERTY(TrackNumber, unsigned char, unsigned char)
    // Marking a track as audio checks it; as data, unchecks it.
    MV_DECLARE_PROPERTY(IsAudioTrack, bool, bool)
    MV_DECLARE_PROPERTY(StartAddress, ULONG, ULONG)
    MV_DECLARE_PROPERTY(BlockCount, ULONG, ULONG)
    // A data track is never checked.
    MV_DECLARE_PROPERTY(Checked, bool, bool)

    unsigned char GetTrackNumber() const { return m_trackNumber; }
    bool GetIsAudioTrack() const { return m_isAudioTrack; }
    ULONG GetStartAddress() const { return m_startAddress; }
    ULONG GetBlockCount() const { return m_blockCount; }
    bool GetChecked() const { return m_checked; }
    // Seconds.
    double GetDuration() const;
    CPersistFile2& GetOutputFile() { return m_output; }

    static constexpr LONG kTrackNumberChangedNotice = FourCharCode("act3");
    static constexpr LONG kIsAudioTrackChangedNotice = FourCharCode("act4");
    static constexpr LONG kStartAddressChangedNotice = FourCharCode("act5");
    static constexpr LONG kBlockCountChangedNotice = FourCharCode("act6");
    static constexpr LONG kCheckedChangedNotice = FourCharCode("act7");

private:
    unsigned char m_trackNumber = 0;
    bool m_isAudioTrack = false;
    ULONG m_startAddress = 0;
    ULONG m_blockCount = 0;
    bool m_checked = false;
    CPersistFile2 m_output;
};
