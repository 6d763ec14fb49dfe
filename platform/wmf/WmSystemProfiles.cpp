#include "wmf/WmSystemProfiles.h"

#include "wmf/WmCodecTable.h"

#include <iterator>

namespace {

enum : unsigned { kV4 = 1, kV7 = 2, kV8 = 4, kV9 = 8, kAll = kV4 | kV7 | kV8 | kV9, kNew = kV7 | kV8 | kV9 };

struct SVideo {
    LONG width, height;
    REFERENCE_TIME frameTime;
    DWORD bitrate;
};

struct SRow {
    unsigned versions;
    const char16_t* name;
    const char16_t* description;
    SWmAudioFormat audio; // bitrate 0: no audio stream
    SVideo video;         // width 0: no video stream
};

constexpr REFERENCE_TIME k15 = 666667, k25 = 400000, k2997 = 333667;

const SRow kProfiles[] = {
    {kAll, u"Audio for voice (24 Kbps)", u"Speech at 16 kHz, mono, for dial-up connections.",
     {16000, 1, 24000, true}, {}},
    {kAll, u"Audio for FM radio quality (64 Kbps)", u"Music at 44 kHz, stereo, for fast connections.",
     {44100, 2, 64000, true}, {}},
    {kNew, u"Audio for near CD quality (96 Kbps)", u"Music at 44 kHz, stereo.", {44100, 2, 96000, false}, {}},
    {kAll, u"Audio for CD quality (128 Kbps)", u"Music at 44 kHz, stereo, for local playback and download.",
     {44100, 2, 128000, false}, {}},
    {kV8 | kV9, u"Audio for high quality (192 Kbps)", u"Music at 48 kHz, stereo, for archiving.",
     {48000, 2, 192000, false}, {}},
    {kAll, u"Video for dial-up modems (56 Kbps)", u"176 x 144 at 15 frames a second, voice-quality audio.",
     {16000, 1, 24000, true}, {176, 144, k15, 28000}},
    {kAll, u"Video for broadband (340 Kbps)", u"320 x 240 at 29.97 frames a second, FM-quality audio.",
     {44100, 2, 64000, true}, {320, 240, k2997, 276000}},
    {kNew, u"Video for local area networks (768 Kbps)", u"640 x 480 at 25 frames a second, stereo audio.",
     {44100, 2, 128000, false}, {640, 480, k25, 640000}},
    {kV8 | kV9, u"Video for high quality playback (1.5 Mbps)", u"640 x 480 at 29.97 frames a second.",
     {48000, 2, 192000, false}, {640, 480, k2997, 1300000}},
    {kNew, u"Video only for broadband (300 Kbps)", u"320 x 240 at 29.97 frames a second, no audio.", {},
     {320, 240, k2997, 300000}},
    // The profiles the device presets name.
    {kV9, u"PMC", u"Portable media center: 320 x 240 at 29.97 frames a second, CD-quality audio.",
     {44100, 2, 128000, false}, {320, 240, k2997, 672000}},
    {kV9, u"Zen Vision", u"Portable player: 320 x 240 at 25 frames a second, CD-quality audio.",
     {44100, 2, 128000, false}, {320, 240, k25, 672000}},
};

unsigned BitOf(WMT_VERSION version)
{
    switch (version) {
    case WMT_VER_4_0: return kV4;
    case WMT_VER_7_0: return kV7;
    case WMT_VER_8_0: return kV8;
    case WMT_VER_9_0: return kV9;
    }
    return 0;
}

const SRow* RowOf(WMT_VERSION version, DWORD index)
{
    const unsigned bit = BitOf(version);
    for (const SRow& row : kProfiles)
        if ((row.versions & bit) && index-- == 0) return &row;
    return nullptr;
}

} // namespace

bool IsWmVersion(DWORD version) { return BitOf(WMT_VERSION(version)) != 0; }

DWORD WmSystemProfileCount(WMT_VERSION version)
{
    DWORD count = 0;
    while (RowOf(version, count)) ++count;
    return count;
}

bool WmSystemProfile(WMT_VERSION version, DWORD index, SWmProfile& profile)
{
    const SRow* row = RowOf(version, index);
    if (!row) return false;
    profile = SWmProfile{};
    profile.version = version;
    profile.name = row->name;
    profile.description = row->description;
    WORD number = 1;
    if (row->audio.bitrate) {
        profile.streams.push_back(WmAudioStream(row->audio));
        profile.streams.back().number = number++;
    }
    if (row->video.width) {
        profile.streams.push_back(
            WmVideoStream(row->video.width, row->video.height, row->video.frameTime, row->video.bitrate));
        profile.streams.back().number = number++;
    }
    return true;
}
