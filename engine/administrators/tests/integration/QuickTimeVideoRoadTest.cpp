// A generated video with sound converted to MP4, 3GP and MOV through the engine's
// administrators with QuickTime started; each output is opened and decoded with FFmpeg.
#include "CQtExportSettings.h"
#include "CQuickTimeExportPersist.h"
#include "CQuickTimeExportTypePersist.h"
#include "ConversionRoad.h"
#include "EngineTestDecode.h"
#include "StQuickTime.h"
#include "StQuickTimeLoader.h"

#include <gtest/gtest.h>


#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>

namespace {

constexpr int kWidth = 320, kHeight = 240, kRate = 25;
constexpr double kSeconds = 2.0;

// A 3GPP user-data text box ('titl', 'perf'): size, type, version and flags, language, text.
// FFmpeg writes these for 3GP files but does not read them back as tags.
std::string ThreeGppTag(const fs::path& path, const char type[4])
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t udta = bytes.find("udta");
    if (udta == std::string::npos || udta < 4) return "";
    auto big = [&](size_t at) {
        uint32_t v = 0;
        for (size_t i = 0; i < 4; ++i) v = v << 8 | uint8_t(bytes[at + i]);
        return v;
    };
    const size_t end = std::min(bytes.size(), udta - 4 + big(udta - 4));
    for (size_t at = udta + 4; at + 14 <= end;) {
        const uint32_t size = big(at);
        if (size < 14 || at + size > end) break;
        if (bytes.compare(at + 4, 4, type, 4) == 0) return std::string(bytes.c_str() + at + 14);
        at += size;
    }
    return "";
}

// Key frames of the first video stream, as ffprobe reads the packets' flags.
int KeyFrames(const fs::path& path)
{
    const std::string command = "ffprobe -v error -select_streams v:0 -show_entries packet=flags -of csv=p=0 '" +
                                path.string() + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    int keys = 0;
    char line[64];
    while (pipe && std::fgets(line, sizeof line, pipe.get()))
        if (line[0] == 'K') ++keys;
    return keys;
}

// A QuickTime settings block: atoms of a big-endian size, type and 32-bit value.
std::string SettingsBlock(std::initializer_list<std::pair<const char*, uint32_t>> atoms)
{
    std::string bytes;
    auto big = [&](uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) bytes += char(v >> shift & 0xFF);
    };
    for (const auto& [type, value] : atoms) {
        big(12);
        bytes.append(type, 4);
        big(value);
    }
    return bytes;
}

class QuickTimeVideoRoadTest : public CConversionRoad {
protected:
    // A 2-second test picture with a tone (320x240 at 25 fps unless told), in AVI, probed.
    bool ProbeVideo(SProbedFile& file, const char* size = "320x240", const char* rate = "25")
    {
        return ProbeClip(file, 2, size, rate);
    }

    StQuickTime m_quickTime;
    StQuickTimeLoader m_loader;
};

} // namespace

TEST_F(QuickTimeVideoRoadTest, AGeneratedVideoBecomesMp4ThreeGpAndMovWithEveryFrameAndItsTags)
{
    ASSERT_TRUE(m_quickTime.IsStarted());
    SProbedFile file;
    ASSERT_TRUE(ProbeVideo(file));
    ASSERT_EQ(file.width, kWidth);
    ASSERT_EQ(file.height, kHeight);
    // The MP4 exporter writes H.264 where an encoder for it is installed.
    const std::string mp4Codec = avcodec_find_encoder_by_name("libx264") ? "h264" : "mpeg4";
    const struct {
        ESplitterType type;
        const char* name;
        const char* videoCodec;
        std::string expected;
    } outputs[] = {
        {640, "picture.mp4", "", mp4Codec},
        {630, "picture.3gp", "", "mpeg4"},
        {631, "picture.3g2", "", "mpeg4"},
        {600, "picture.mov", "Apple MPEG-4 Video", "mpeg4"},
        {601, "export.mov", "", "mpeg4"},
    };
    for (const auto& o : outputs) {
        SOutput output;
        output.type = o.type;
        output.videoCodec = o.videoCodec;
        output.path = m_dir / "out" / o.name;
        ASSERT_TRUE(RunsToTheEnd(file, output)) << o.name;
        SDecodedMedia video;
        ASSERT_TRUE(DecodeMedia(output.path, kRate, video)) << o.name;
        EXPECT_EQ(video.videoCodec, o.expected) << o.name;
        EXPECT_EQ(video.width, kWidth) << o.name;
        EXPECT_EQ(video.height, kHeight) << o.name;
        EXPECT_NEAR(video.duration, kSeconds, 1.0 / kRate + 1e-6) << o.name;
        // The last picture is written too.
        EXPECT_EQ(video.frames, int(kSeconds * kRate)) << o.name;
        if (o.type == 630 || o.type == 631) {
            video.title = ThreeGppTag(output.path, "titl");
            video.artist = ThreeGppTag(output.path, "perf");
        }
        EXPECT_EQ(video.title, "Spoken Title") << o.name;
        EXPECT_EQ(video.artist, "Reader Voice") << o.name;
    }
}

TEST_F(QuickTimeVideoRoadTest, DamagedVideoMp4AndMovEndTheJobWithTheInputSetsText)
{
    SProbedFile file;
    ASSERT_TRUE(ProbeVideo(file));
    for (const auto& [type, name] : {std::pair<ESplitterType, const char*>{640, "whole.mp4"}, {600, "whole.mov"}}) {
        SOutput output;
        output.type = type;
        output.videoCodec = type == 600 ? "Apple MPEG-4 Video" : "";
        output.path = m_dir / name;
        ASSERT_TRUE(RunsToTheEnd(file, output)) << name;
        SProbedFile whole;
        CString error;
        ASSERT_TRUE(ProbeFile(output.path, whole, error)) << error;
        const auto size = fs::file_size(output.path);
        // Cut inside the header, cut in the middle (the index at the end is lost), and the
        // first box's size ruined.
        for (int damage = 0; damage < 3; ++damage) {
            const fs::path bad = m_dir / ("bad" + std::to_string(damage) + output.path.extension().string());
            fs::copy_file(output.path, bad, fs::copy_options::overwrite_existing);
            if (damage < 2) {
                fs::resize_file(bad, damage == 0 ? 200 : size / 2);
            } else {
                std::fstream f(bad, std::ios::in | std::ios::out | std::ios::binary);
                f.write("\xFF\xFF\xFF\xF0", 4);
            }
            // The file check refuses it with the input set's text.
            SProbedFile probed;
            EXPECT_FALSE(ProbeFile(bad, probed, error)) << bad;
            EXPECT_STREQ(error, "Unable to create file source.") << bad;
            // A job on the file as it was probed before the damage ends at creation, with
            // the input set's text, and nothing runs.
            SProbedFile stale = whole;
            stale.path = bad;
            SOutput again;
            again.type = 640;
            again.path = m_dir / "out" / ("again" + std::to_string(damage) + ".mp4");
            const SRun run = Run(stale, again);
            EXPECT_FALSE(run.created) << bad;
            EXPECT_STREQ(run.error, "Unable to connect input filters.") << bad;
            EXPECT_EQ(run.completions + run.aborts, 0) << bad;
        }
    }
}

TEST_F(QuickTimeVideoRoadTest, DvIsWrittenInTheTvSystemOfItsPicture)
{
    ASSERT_TRUE(m_quickTime.IsStarted());
    const struct {
        const char* size;
        const char* rate;
        ESplitterType type;
        int width, height;
        double fps;
    } cases[] = {
        {"720x480", "30000/1001", 610, 720, 480, 30000.0 / 1001},
        {"720x480", "30000/1001", 611, 720, 480, 30000.0 / 1001},
        {"720x576", "25", 610, 720, 576, 25},
        // Any other picture is made PAL's.
        {"320x240", "25", 611, 720, 576, 25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " " << c.type);
        SProbedFile file;
        ASSERT_TRUE(ProbeVideo(file, c.size, c.rate));
        SOutput output;
        output.type = c.type;
        output.path = m_dir / "out" / (std::string("tv") + std::to_string(c.type) + c.size + ".dv");
        ASSERT_TRUE(RunsToTheEnd(file, output));
        SDecodedMedia video;
        ASSERT_TRUE(DecodeMedia(output.path, c.fps, video));
        EXPECT_EQ(video.videoCodec, "dvvideo");
        EXPECT_EQ(video.width, c.width);
        EXPECT_EQ(video.height, c.height);
        // Every picture, the last NTSC one too, though the sound ends 2 ms before it does.
        EXPECT_EQ(video.frames, std::lround(2.0 * c.fps));
        const auto probed = ProbeMedia(output.path, "v");
        EXPECT_EQ(ProbedValue(probed, "avg_frame_rate"), c.rate == std::string("25") ? "25/1" : "30000/1001");
    }
}

TEST_F(QuickTimeVideoRoadTest, StoredExportSettingsAndTheKeyFrameIntervalReachTheFile)
{
    ASSERT_TRUE(m_quickTime.IsStarted());
    SProbedFile file;
    ASSERT_TRUE(ProbeVideo(file));
    // A stored export setting of the movie exporter for this job's streams: Motion JPEG.
    CQuickTimeExportPersist store;
    ASSERT_EQ(CQuickTimeExportPersist::sData, &store);
    auto* stored = new CQtExportSettings;
    const std::string block = SettingsBlock({{"vcod", 0x6D6A7061 /*mjpa*/}});
    stored->SetSettings(reinterpret_cast<const unsigned char*>(block.data()), ULONG(block.size()));
    store.Add(601)->AddExportSetting(stored);
    SOutput exported;
    exported.type = 601;
    exported.path = m_dir / "out" / "stored.mov";
    ASSERT_TRUE(RunsToTheEnd(file, exported));
    SDecodedMedia video;
    ASSERT_TRUE(DecodeMedia(exported.path, kRate, video));
    EXPECT_EQ(video.videoCodec, "mjpeg");
    // The MP4 exporter takes only an exact match: none is stored for it.
    SOutput mp4;
    mp4.type = 640;
    mp4.path = m_dir / "out" / "unmatched.mp4";
    ASSERT_TRUE(RunsToTheEnd(file, mp4));
    ASSERT_TRUE(DecodeMedia(mp4.path, kRate, video));
    EXPECT_NE(video.videoCodec, "mjpeg");
    // The movie writer's key frame comes every 15 pictures, the output's interval.
    SOutput movie;
    movie.type = 600;
    movie.videoCodec = "Apple MPEG-4 Video";
    movie.path = m_dir / "out" / "keys.mov";
    ASSERT_TRUE(RunsToTheEnd(file, movie));
    EXPECT_EQ(KeyFrames(movie.path), 4);
}
