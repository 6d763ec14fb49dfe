// A made clip converted through the engine's administrators to each MPEG writer type in
// both TV systems and to the ff writers' types, and a tone to the MPEG-1 type's sound
// alone; each output is opened and decoded with FFmpeg.
#include "ConversionRoad.h"
#include "EngineTestDecode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kWidth = 320, kHeight = 240;
constexpr double kSeconds = 2.0;

using MpegRoadTest = CConversionRoad;

} // namespace

TEST_F(MpegRoadTest, AClipBecomesEachMpegAndFfTypeWithItsPictureAndSound)
{
    SProbedFile file;
    ASSERT_TRUE(ProbeClip(file));
    const struct {
        ESplitterType type;
        ETvType tv;
        const char* name;
        const char* video;
        int width, height;
        double rate;
        const char* audio;
        int sampleRate;
    } cases[] = {
        {300, 0, "system.mpg", "mpeg1video", kWidth, kHeight, 25, "mp2", 44100},
        {310, 1, "vcd-ntsc.mpg", "mpeg1video", 352, 240, 29.97, "mp2", 44100},
        {310, 2, "vcd-pal.mpg", "mpeg1video", 352, 288, 25, "mp2", 44100},
        {400, 0, "program.mpg", "mpeg2video", kWidth, kHeight, 25, "mp2", 44100},
        {410, 1, "svcd-ntsc.mpg", "mpeg2video", 480, 480, 29.97, "mp2", 44100},
        {410, 2, "svcd-pal.mpg", "mpeg2video", 480, 576, 25, "mp2", 44100},
        {420, 1, "dvd-ntsc.vob", "mpeg2video", 720, 480, 29.97, "mp2", 48000},
        {420, 2, "dvd-pal.vob", "mpeg2video", 720, 576, 25, "mp2", 48000},
        {2000, 0, "ff.mpg", "mpeg1video", kWidth, kHeight, 25, "mp2", 44100},
        {2022, 0, "M4V10001.MP4", "mpeg4", kWidth, kHeight, 25, "aac", 44100},
        {2040, 0, "ff.swf", "flv1", kWidth, kHeight, 25, "mp3", 44100},
        {2041, 0, "ff.flv", "flv1", kWidth, kHeight, 25, "mp3", 44100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SOutput output;
        output.type = c.type;
        output.tvType = c.tv;
        output.path = m_dir / "out" / c.name;
        ASSERT_TRUE(RunsToTheEnd(file, output));
        SDecodedMedia media;
        ASSERT_TRUE(DecodeMedia(output.path, c.rate, media));
        EXPECT_EQ(media.videoCodec, c.video);
        EXPECT_EQ(media.width, c.width);
        EXPECT_EQ(media.height, c.height);
        EXPECT_EQ(media.audioCodec, c.audio);
        EXPECT_EQ(media.sampleRate, c.sampleRate);
        EXPECT_NEAR(media.duration, kSeconds, 0.15);
    }
}

TEST_F(MpegRoadTest, SoundAloneOfTheMpegOneTypeIsAnMp3)
{
    SProbedFile file;
    ASSERT_TRUE(ProbeTone(3.0, file));
    SOutput output;
    output.type = 300;
    output.path = m_dir / "out" / "voice.mp3";
    ASSERT_TRUE(RunsToTheEnd(file, output));
    ExpectAudio(output.path, "mp3", "44100", "2", 3.0, 0.1);
    EXPECT_EQ(ProbedValue(ProbeMedia(output.path, "v"), "codec_name"), "");
}
