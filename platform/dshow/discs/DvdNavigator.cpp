#include "dshow/discs/DvdNavigator.h"

#include "com/ComRuntime.h"
#include "dshow/BasePin.h"
#include "dshow/WideText.h"
#include "dshow/discs/LocaleNames.h"

#include <dvdnav/dvdnav.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

const GUID MEDIATYPE_DVD_ENCRYPTED_PACK = {0xED0B916A, 0x044D, 0x11D1, {0xAA, 0x78, 0x00, 0xC0, 0x4F, 0xC3, 0x1D, 0x60}};
const GUID MEDIASUBTYPE_MPEG2_VIDEO = {0xE06D8026, 0xDB46, 0x11CF, {0xB4, 0xD1, 0x00, 0x80, 0x5F, 0x6C, 0xBB, 0xEA}};
const GUID MEDIASUBTYPE_DOLBY_AC3 = {0xE06D802C, 0xDB46, 0x11CF, {0xB4, 0xD1, 0x00, 0x80, 0x5F, 0x6C, 0xBB, 0xEA}};
const GUID MEDIASUBTYPE_MPEG2_AUDIO = {0xE06D802B, 0xDB46, 0x11CF, {0xB4, 0xD1, 0x00, 0x80, 0x5F, 0x6C, 0xBB, 0xEA}};
const GUID MEDIASUBTYPE_DVD_LPCM_AUDIO = {0xE06D8032, 0xDB46, 0x11CF, {0xB4, 0xD1, 0x00, 0x80, 0x5F, 0x6C, 0xBB, 0xEA}};

namespace {

constexpr int kMaxAudioStreams = 8;
constexpr int kMaxSubpictureStreams = 32;

int64_t ReadPts(const BYTE* p)
{
    return (int64_t(p[0] & 0x0E) << 29) | (int64_t(p[1]) << 22) | (int64_t(p[2] & 0xFE) << 14) |
           (int64_t(p[3]) << 7) | (int64_t(p[4]) >> 1);
}

LCID LanguageOf(uint16_t code)
{
    if (code == 0xFFFF || code == 0) return 0;
    const char text[3] = {char(code >> 8), char(code & 0xFF), 0};
    return LcidFromLanguageCode(text);
}

// A DVD-Video folder (or its VIDEO_TS folder), a disc image or a drive. Anything else is
// refused before the navigation library, which does not free all it took for a failed open.
bool MayHoldDvd(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path root(path);
    if (fs::is_regular_file(root, error) || fs::is_block_file(root, error)) return true;
    if (!fs::is_directory(root, error)) return false;
    for (const char* folder : {"VIDEO_TS", "video_ts", ""})
        for (const char* file : {"VIDEO_TS.IFO", "video_ts.ifo"})
            if (fs::is_regular_file(root / folder / file, error)) return true;
    return false;
}

} // namespace

HRESULT CDvdNavigator::Create(REFIID iid, void** object)
{
    return CreateComObject<CDvdNavigator>(iid, object);
}

CDvdNavigator::CDvdNavigator() : CPushSource(CLSID_DvdNavigator), m_block(DVD_VIDEO_LB_LEN)
{
    m_video = AddPin(PINDIR_OUTPUT, u"Video");
    m_audio = AddPin(PINDIR_OUTPUT, u"AC3");
}

CDvdNavigator::~CDvdNavigator()
{
    OnStop();
    if (m_nav) dvdnav_close(m_nav);
}

void* CDvdNavigator::FindInterface(REFIID iid)
{
    if (iid == IDvdInfo2::kIid) return static_cast<IDvdInfo2*>(this);
    if (iid == IDvdControl2::kIid) return static_cast<IDvdControl2*>(this);
    return CPushSource::FindInterface(iid);
}

HRESULT CDvdNavigator::SetDVDDirectory(LPCWSTR path)
{
    if (!path) return E_POINTER;
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    if (m_nav) dvdnav_close(m_nav);
    m_nav = nullptr;
    const std::string folder = NarrowText(path);
    if (!MayHoldDvd(folder) || dvdnav_open(&m_nav, folder.c_str()) != DVDNAV_STATUS_OK) {
        m_nav = nullptr;
        return E_FAIL;
    }
    dvdnav_set_readahead_flag(m_nav, 0);
    dvdnav_set_PGC_positioning_flag(m_nav, 1);
    int32_t titles = 0;
    if (dvdnav_get_number_of_titles(m_nav, &titles) != DVDNAV_STATUS_OK || titles < 1) {
        dvdnav_close(m_nav);
        m_nav = nullptr;
        return E_FAIL;
    }
    m_title = 1;
    m_chapter = 1;
    m_chapterCount = 0;
    StartPlaying();
    return S_OK;
}

void CDvdNavigator::StartPlaying()
{
    m_firstPts = -1;
    m_lastStart = 0;
    m_playing = dvdnav_part_play(m_nav, int32_t(m_title), int32_t(m_chapter)) == DVDNAV_STATUS_OK;
}

HRESULT CDvdNavigator::GetDVDVolumeInfo(ULONG* volumes, ULONG* volume, DVD_DISC_SIDE* side, ULONG* titles)
{
    if (!volumes || !volume || !side || !titles) return E_POINTER;
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    int32_t count = 0;
    if (!Ready() || dvdnav_get_number_of_titles(m_nav, &count) != DVDNAV_STATUS_OK) return E_UNEXPECTED;
    *volumes = 1;
    *volume = 1;
    *side = DVD_SIDE_A;
    *titles = ULONG(std::max(0, count));
    return S_OK;
}

HRESULT CDvdNavigator::GetNumberOfChapters(ULONG title, ULONG* chapters)
{
    if (!chapters) return E_POINTER;
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    int32_t parts = 0;
    if (!Ready() || dvdnav_get_number_of_parts(m_nav, int32_t(title), &parts) != DVDNAV_STATUS_OK) return E_INVALIDARG;
    *chapters = ULONG(std::max(0, parts));
    return S_OK;
}

HRESULT CDvdNavigator::GetCurrentAngle(ULONG* available, ULONG* current)
{
    if (!available || !current) return E_POINTER;
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    int32_t now = 0, count = 0;
    if (!Ready() || dvdnav_get_angle_info(m_nav, &now, &count) != DVDNAV_STATUS_OK) return E_UNEXPECTED;
    *available = ULONG(std::max(0, count));
    *current = ULONG(std::max(0, now));
    return S_OK;
}

HRESULT CDvdNavigator::GetCurrentAudio(ULONG* available, ULONG* current)
{
    if (!available || !current) return E_POINTER;
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    if (!Ready()) return E_UNEXPECTED;
    ULONG count = 0;
    for (int i = 0; i < kMaxAudioStreams; ++i)
        if (dvdnav_get_audio_logical_stream(m_nav, uint8_t(i)) >= 0) ++count;
    *available = count;
    *current = ULONG(std::max<int>(0, dvdnav_get_active_audio_stream(m_nav)));
    return S_OK;
}

HRESULT CDvdNavigator::GetCurrentSubpicture(ULONG* available, ULONG* current, BOOL* disabled)
{
    if (!available || !current || !disabled) return E_POINTER;
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    if (!Ready()) return E_UNEXPECTED;
    ULONG count = 0;
    for (int i = 0; i < kMaxSubpictureStreams; ++i)
        if (dvdnav_get_spu_logical_stream(m_nav, uint8_t(i)) >= 0) ++count;
    const int8_t active = dvdnav_get_active_spu_stream(m_nav);
    *available = count;
    *current = ULONG(std::max<int>(0, active & 0x1F));
    *disabled = !m_subpictureOn || active < 0;
    return S_OK;
}

HRESULT CDvdNavigator::GetAudioLanguage(ULONG stream, LCID* language)
{
    if (!language) return E_POINTER;
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    if (!Ready() || stream >= ULONG(kMaxAudioStreams)) return E_INVALIDARG;
    *language = LanguageOf(dvdnav_audio_stream_to_lang(m_nav, uint8_t(stream)));
    return *language ? S_OK : E_FAIL;
}

HRESULT CDvdNavigator::GetSubpictureLanguage(ULONG stream, LCID* language)
{
    if (!language) return E_POINTER;
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    if (!Ready() || stream >= ULONG(kMaxSubpictureStreams)) return E_INVALIDARG;
    *language = LanguageOf(dvdnav_spu_stream_to_lang(m_nav, uint8_t(stream)));
    return *language ? S_OK : E_FAIL;
}

HRESULT CDvdNavigator::PlayChaptersAutoStop(ULONG title, ULONG chapter, ULONG count, DWORD, IDvdCmd** command)
{
    if (command) *command = nullptr;
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    if (!Ready() || title < 1 || chapter < 1 || count < 1) return E_INVALIDARG;
    int32_t parts = 0;
    if (dvdnav_get_number_of_parts(m_nav, int32_t(title), &parts) != DVDNAV_STATUS_OK || int32_t(chapter) > parts)
        return E_INVALIDARG;
    m_title = title;
    m_chapter = chapter;
    m_chapterCount = count;
    StartPlaying();
    return m_playing ? S_OK : E_FAIL;
}

HRESULT CDvdNavigator::PlayForwards(double speed, DWORD, IDvdCmd** command)
{
    if (command) *command = nullptr;
    // The graph's clock sets the pace here; any forward speed plays on.
    return speed > 0 ? S_OK : E_INVALIDARG;
}

HRESULT CDvdNavigator::SelectAngle(ULONG angle, DWORD, IDvdCmd** command)
{
    if (command) *command = nullptr;
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    return Ready() && dvdnav_angle_change(m_nav, int32_t(angle)) == DVDNAV_STATUS_OK ? S_OK : E_INVALIDARG;
}

HRESULT CDvdNavigator::SelectAudioStream(ULONG stream, DWORD, IDvdCmd** command)
{
    if (command) *command = nullptr;
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    if (!Ready() || stream >= ULONG(kMaxAudioStreams)) return E_INVALIDARG;
    // The navigation library picks streams by language.
    const uint16_t code = dvdnav_audio_stream_to_lang(m_nav, uint8_t(stream));
    if (code == 0xFFFF) return E_INVALIDARG;
    const char text[3] = {char(code >> 8), char(code & 0xFF), 0};
    return dvdnav_audio_language_select(m_nav, const_cast<char*>(text)) == DVDNAV_STATUS_OK ? S_OK : E_FAIL;
}

HRESULT CDvdNavigator::SelectSubpictureStream(ULONG stream, DWORD, IDvdCmd** command)
{
    if (command) *command = nullptr;
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    if (!Ready() || stream >= ULONG(kMaxSubpictureStreams)) return E_INVALIDARG;
    const uint16_t code = dvdnav_spu_stream_to_lang(m_nav, uint8_t(stream));
    if (code == 0xFFFF) return E_INVALIDARG;
    const char text[3] = {char(code >> 8), char(code & 0xFF), 0};
    return dvdnav_spu_language_select(m_nav, const_cast<char*>(text)) == DVDNAV_STATUS_OK ? S_OK : E_FAIL;
}

HRESULT CDvdNavigator::SetSubpictureState(BOOL on, DWORD, IDvdCmd** command)
{
    if (command) *command = nullptr;
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    m_subpictureOn = on != FALSE;
    return S_OK;
}

int CDvdNavigator::AudioStreamId() const
{
    const int8_t logical = dvdnav_get_active_audio_stream(m_nav);
    const int8_t physical = logical >= 0 ? dvdnav_get_audio_logical_stream(m_nav, uint8_t(logical)) : 0;
    const int stream = std::max<int>(0, physical) & 7;
    const int format = logical >= 0 ? int(dvdnav_audio_stream_format(m_nav, uint8_t(logical))) : int(DVD_AUDIO_FORMAT_AC3);
    switch (format) {
    case DVD_AUDIO_FORMAT_LPCM:
        return 0xA0 + stream;
    case DVD_AUDIO_FORMAT_MPEG:
    case DVD_AUDIO_FORMAT_MPEG2_EXT:
        return 0xC0 + stream;
    case DVD_AUDIO_FORMAT_DTS:
        return 0x88 + stream;
    default:
        return 0x80 + stream;
    }
}

HRESULT CDvdNavigator::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    return CheckOfferedType(pin, type);
}

HRESULT CDvdNavigator::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (index != 0) return S_FALSE;
    type.SetType(MEDIATYPE_DVD_ENCRYPTED_PACK);
    if (pin == m_video) {
        type.SetSubtype(MEDIASUBTYPE_MPEG2_VIDEO);
        return S_OK;
    }
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    const int id = Ready() ? AudioStreamId() : 0x80;
    type.SetSubtype(id >= 0xC0 ? MEDIASUBTYPE_MPEG2_AUDIO : id >= 0xA0 ? MEDIASUBTYPE_DVD_LPCM_AUDIO : MEDIASUBTYPE_DOLBY_AC3);
    return S_OK;
}

std::vector<CDvdNavigator::Payload> CDvdNavigator::SplitPack(const BYTE* pack, size_t size, int audioStream)
{
    std::vector<Payload> payloads;
    if (!pack || size < 14 || pack[0] != 0 || pack[1] != 0 || pack[2] != 1 || pack[3] != 0xBA) return payloads;
    size_t at = 14 + (pack[13] & 7);
    while (at + 6 <= size && pack[at] == 0 && pack[at + 1] == 0 && pack[at + 2] == 1) {
        const BYTE id = pack[at + 3];
        const size_t length = size_t(pack[at + 4]) << 8 | pack[at + 5];
        const size_t end = at + 6 + length;
        if (end > size) break;
        const bool video = id == 0xE0;
        const bool audio = id == 0xBD || (id >= 0xC0 && id <= 0xC7);
        if ((video || audio) && length >= 3) {
            const BYTE* header = pack + at + 6;
            size_t start = at + 9 + header[2];
            // The time stands in the header's own data, which the packet must hold.
            const bool timed = (header[1] & 0x80) && header[2] >= 5 && at + 14 <= end;
            const int64_t pts = timed ? ReadPts(header + 3) : -1;
            bool wanted = video || id == audioStream;
            if (id == 0xBD && start < end) {
                const BYTE sub = pack[start];
                wanted = sub == audioStream;
                start += sub >= 0xA0 && sub <= 0xA7 ? 7 : 4;
            }
            if (wanted && start < end) payloads.push_back({video, pack + start, end - start, pts});
        }
        at = end;
    }
    return payloads;
}

HRESULT CDvdNavigator::Deliver(const Payload& payload)
{
    CBasePin* pin = payload.video ? m_video : m_audio;
    if (!pin->IsConnected()) return S_OK;
    MediaSample sample;
    sample.data = payload.data;
    sample.size = LONG(payload.size);
    if (payload.pts >= 0) {
        if (m_firstPts < 0) m_firstPts = payload.pts;
        sample.hasTime = true;
        sample.start = std::max<int64_t>(0, payload.pts - m_firstPts) * 1000 / 9;
        sample.stop = sample.start + 1;
        m_lastStart = sample.start;
        SetReached(sample.start);
    }
    return pin->Deliver(sample);
}

HRESULT CDvdNavigator::ProduceNext()
{
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    if (!Ready()) return S_FALSE;
    if (!m_playing) StartPlaying();
    if (!m_playing) return S_FALSE;
    int32_t event = 0;
    int32_t length = 0;
    uint8_t* block = m_block.data();
    if (dvdnav_get_next_block(m_nav, block, &event, &length) != DVDNAV_STATUS_OK) return S_FALSE;
    switch (event) {
    case DVDNAV_BLOCK_OK: {
        // The wanted chapters end where the title or its last chapter is left.
        int32_t title = 0, part = 0;
        if (dvdnav_current_title_info(m_nav, &title, &part) != DVDNAV_STATUS_OK || title != int32_t(m_title) ||
            (m_chapterCount && part >= int32_t(m_chapter + m_chapterCount)))
            return S_FALSE;
        const int audio = AudioStreamId();
        for (const Payload& payload : SplitPack(block, size_t(std::max(0, length)), audio)) {
            const HRESULT hr = Deliver(payload);
            if (hr != S_OK) return hr;
        }
        return PastStop(m_lastStart) ? S_FALSE : S_OK;
    }
    case DVDNAV_STILL_FRAME:
        dvdnav_still_skip(m_nav);
        return S_OK;
    case DVDNAV_WAIT:
        dvdnav_wait_skip(m_nav);
        return S_OK;
    case DVDNAV_STOP:
        return S_FALSE;
    default:
        // A jump back to a menu ends the title.
        return dvdnav_is_domain_vts(m_nav) ? S_OK : S_FALSE;
    }
}

HRESULT CDvdNavigator::SeekTo(REFERENCE_TIME position)
{
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    if (!Ready()) return E_UNEXPECTED;
    // Positions inside a title are not sought: playing starts again at the chosen chapter.
    StartPlaying();
    SetReached(position > 0 ? 0 : position);
    return S_OK;
}

REFERENCE_TIME CDvdNavigator::MediaDuration()
{
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    if (!Ready()) return 0;
    uint64_t* times = nullptr;
    uint64_t duration = 0;
    const uint32_t chapters = dvdnav_describe_title_chapters(m_nav, int32_t(m_title), &times, &duration);
    uint64_t start = 0;
    uint64_t end = duration;
    if (times && chapters > 0) {
        const uint32_t first = std::min<uint32_t>(m_chapter, chapters);
        start = first > 1 ? times[first - 2] : 0;
        if (m_chapterCount) end = times[std::min<uint32_t>(m_chapter - 1 + m_chapterCount, chapters) - 1];
    }
    std::free(times);
    return end > start ? REFERENCE_TIME((end - start) * 1000 / 9) : 0;
}
