#pragma once
// The DVD navigator: plays the titles of a DVD-Video folder or disc through the DVD
// navigation library and sends the video and the active audio stream out of two pins,
// as the DVD's own packets. It answers the volume, title, angle, audio and sub-picture
// questions and takes the play and select commands.
#include "dshow/PushSource.h"
#include "dshow/discs/DiscInterfaces.h"

#include <mutex>
#include <string>
#include <vector>

struct dvdnav_s;

class CDvdNavigator : public CPushSource, public IDvdInfo2, public IDvdControl2 {
public:
    static HRESULT Create(REFIID iid, void** object);
    CDvdNavigator();
    MV_FILTER_UNKNOWN

    HRESULT GetDVDVolumeInfo(ULONG* volumes, ULONG* volume, DVD_DISC_SIDE* side, ULONG* titles) override;
    HRESULT GetNumberOfChapters(ULONG title, ULONG* chapters) override;
    HRESULT GetCurrentAngle(ULONG* available, ULONG* current) override;
    HRESULT GetCurrentAudio(ULONG* available, ULONG* current) override;
    HRESULT GetCurrentSubpicture(ULONG* available, ULONG* current, BOOL* disabled) override;
    HRESULT GetAudioLanguage(ULONG stream, LCID* language) override;
    HRESULT GetSubpictureLanguage(ULONG stream, LCID* language) override;

    HRESULT SetDVDDirectory(LPCWSTR path) override;
    HRESULT PlayChaptersAutoStop(ULONG title, ULONG chapter, ULONG count, DWORD flags, IDvdCmd** command) override;
    HRESULT PlayForwards(double speed, DWORD flags, IDvdCmd** command) override;
    HRESULT SelectAngle(ULONG angle, DWORD flags, IDvdCmd** command) override;
    HRESULT SelectAudioStream(ULONG stream, DWORD flags, IDvdCmd** command) override;
    HRESULT SelectSubpictureStream(ULONG stream, DWORD flags, IDvdCmd** command) override;
    HRESULT SetSubpictureState(BOOL on, DWORD flags, IDvdCmd** command) override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;

    // Splits one 2048-byte program stream pack into its elementary payloads: the video,
    // and the audio of the given substream (AC-3 0x80.., LPCM 0xA0.., MPEG 0xC0..).
    // Each payload comes with its presentation time in 90 kHz units, or -1.
    struct Payload {
        bool video;
        const BYTE* data;
        size_t size;
        int64_t pts;
    };
    static std::vector<Payload> SplitPack(const BYTE* pack, size_t size, int audioStream);

protected:
    ~CDvdNavigator() override;
    void* FindInterface(REFIID iid) override;
    HRESULT ProduceNext() override;
    HRESULT SeekTo(REFERENCE_TIME position) override;
    REFERENCE_TIME MediaDuration() override;

private:
    bool Ready() const { return m_nav != nullptr; }
    // The title to play: the one asked for, else the first.
    void StartPlaying();
    int AudioStreamId() const;
    HRESULT Deliver(const Payload& payload);

    std::recursive_mutex m_lock;
    dvdnav_s* m_nav = nullptr;
    CBasePin* m_video = nullptr;
    CBasePin* m_audio = nullptr;
    ULONG m_title = 1;
    ULONG m_chapter = 1;
    ULONG m_chapterCount = 0;
    bool m_playing = false;
    bool m_subpictureOn = true;
    int64_t m_firstPts = -1;
    REFERENCE_TIME m_lastStart = 0;
    std::vector<BYTE> m_block;
};

// The DVD's own packet types.
extern const GUID MEDIATYPE_DVD_ENCRYPTED_PACK;
extern const GUID MEDIASUBTYPE_MPEG2_VIDEO;
extern const GUID MEDIASUBTYPE_DOLBY_AC3;
extern const GUID MEDIASUBTYPE_MPEG2_AUDIO;
extern const GUID MEDIASUBTYPE_DVD_LPCM_AUDIO;
