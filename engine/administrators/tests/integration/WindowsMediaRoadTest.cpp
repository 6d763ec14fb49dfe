// A spoken WAV converted to Windows Media Audio through the engine's administrators, by
// codec and by the runtime's profiles, the outputs checked with FFmpeg.
#include "CWindowsMediaSystem2.h"
#include "ConversionRoad.h"
#include "EngineTestDecode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

class WindowsMediaRoadTest : public CConversionRoad {
protected:
    void SetUp() override
    {
        CConversionRoad::SetUp();
        m_loadWm = CDirectShowSystem2::sLoadWm;
        CDirectShowSystem2::sLoadWm = true;
        m_system = std::make_unique<CWindowsMediaSystem2>();
        ASSERT_NE(m_system->GetProfileManager(), nullptr);
    }
    void TearDown() override
    {
        m_system.reset();
        CDirectShowSystem2::sLoadWm = m_loadWm;
        CConversionRoad::TearDown();
    }

    bool m_loadWm = true;
    std::unique_ptr<CWindowsMediaSystem2> m_system;
};

} // namespace

TEST_F(WindowsMediaRoadTest, AProbedWavBecomesWindowsMediaAudio)
{
    SProbedFile file;
    ASSERT_TRUE(ProbeTone(2.0, file));

    // One coded block of the audio codec: 2048 samples at 44.1 kHz.
    constexpr double kBlock = 2048.0 / 44100;
    const struct {
        ESplitterType type;
        const char* name;
        const char* codec;
        short version;
        const char* profile;
        const char* rate;
        const char* channels;
    } outputs[] = {
        {200, "voice.wma", "Windows Media Audio 9.2", 8, "", "44100", "2"},
        {250, "profile.wma", "", 8, "Audio for CD quality (128 Kbps)", "44100", "2"},
        {250, "voice24.wma", "", 9, "Audio for voice (24 Kbps)", "16000", "1"},
        {252, "customized.wma", "Windows Media Audio 9.2", 9, "Audio for FM radio quality (64 Kbps)", "44100", "2"},
    };
    for (const auto& o : outputs) {
        SOutput output;
        output.type = o.type;
        output.codec = o.codec;
        output.wmVersion = o.version;
        output.wmProfile = o.profile;
        output.path = m_dir / "out" / o.name;
        ASSERT_TRUE(RunsToTheEnd(file, output)) << o.name;
        const auto probed = ExpectAudio(output.path, "wmav2", o.rate, o.channels, 2.0, kBlock + 0.001);
        EXPECT_EQ(ProbedValue(probed, "title"), "Spoken Title") << o.name;
        EXPECT_EQ(ProbedValue(probed, "artist"), "Reader Voice") << o.name;
    }
    // The engine reads its own output back as an input.
    SProbedFile written;
    CString error;
    ASSERT_TRUE(ProbeFile(m_dir / "out" / "voice.wma", written, error)) << error;
    EXPECT_NEAR(written.duration, 2.0, kBlock + 0.001);
    EXPECT_EQ(written.sampleRate, 44100u);
    EXPECT_EQ(written.channels, 2);
}

TEST_F(WindowsMediaRoadTest, AVideoProfileWritesItsPictureAndTheDevicePresetsProfilesExist)
{
    // Two seconds of 640 x 480 at 25 frames a second with sound.
    const fs::path avi = m_dir / "large.avi";
    ASSERT_EQ(std::system(("ffmpeg -nostdin -v error -y -f lavfi -i testsrc=size=640x480:rate=25:duration=2 -f lavfi "
                           "-i sine=sample_rate=44100:duration=2 -ac 2 -c:v mjpeg -q:v 3 -c:a pcm_s16le '" +
                           avi.string() + "'")
                              .c_str()),
              0);
    SProbedFile file;
    CString error;
    ASSERT_TRUE(ProbeFile(avi, file, error)) << error;
    ASSERT_TRUE(file.video);
    const struct {
        ESplitterType type;
        short version;
        const char* profile;
        unsigned short width, height; // 0: as the input
        double frameRate;
        int expectedWidth, expectedHeight;
        double expectedRate;
    } outputs[] = {
        // The profile's 320 x 240 at 29.97, whatever the input's picture.
        {250, 8, "Video for broadband (340 Kbps)", 0, 0, 0, 320, 240, 30000.0 / 1001},
        // The device presets' profiles, with the picture their decision gives.
        {252, 9, "PMC", 320, 240, 29.97, 320, 240, 30000.0 / 1001},
        {252, 9, "Zen Vision", 320, 240, 25, 320, 240, 25},
    };
    for (const auto& o : outputs) {
        SCOPED_TRACE(o.profile);
        SOutput output;
        output.type = o.type;
        output.wmVersion = o.version;
        output.wmProfile = o.profile;
        output.width = o.width;
        output.height = o.height;
        output.frameRate = o.frameRate;
        output.path = m_dir / "out" / (std::string(o.profile) + ".wmv");
        ASSERT_TRUE(RunsToTheEnd(file, output));
        SDecodedMedia video;
        ASSERT_TRUE(DecodeMedia(output.path, o.expectedRate, video));
        EXPECT_EQ(video.width, o.expectedWidth);
        EXPECT_EQ(video.height, o.expectedHeight);
        // Two seconds of pictures at the profile's rate.
        EXPECT_NEAR(video.frames, 2.0 * o.expectedRate, 1.0);
        EXPECT_EQ(video.audioCodec, "wmav2");
    }
}

TEST_F(WindowsMediaRoadTest, AMissingProfileOrCodecFailsTheJobAtCreation)
{
    SProbedFile file;
    ASSERT_TRUE(ProbeTone(0.5, file));
    const struct {
        ESplitterType type;
        const char* codec;
        const char* profile;
    } outputs[] = {
        {250, "", "No such profile"},
        {252, "", ""},
        {200, "No such codec", ""},
    };
    for (const auto& o : outputs) {
        SOutput output;
        output.type = o.type;
        output.codec = o.codec;
        output.wmProfile = o.profile;
        output.path = m_dir / "out" / "missing.wma";
        const SRun run = Run(file, output);
        EXPECT_FALSE(run.created) << o.type << " " << o.profile;
        EXPECT_FALSE(run.error.IsEmpty()) << o.type;
        EXPECT_EQ(run.completions, 0);
    }
}

TEST_F(WindowsMediaRoadTest, DamagedWindowsMediaInputEndsTheJobAndNeverHangs)
{
    SProbedFile file;
    ASSERT_TRUE(ProbeTone(1.0, file));
    SOutput wma;
    wma.type = 200;
    wma.codec = "Windows Media Audio 9.2";
    wma.path = m_dir / "whole.wma";
    ASSERT_TRUE(RunsToTheEnd(file, wma));

    ExpectDamagedCopiesEnd(wma.path);
}
