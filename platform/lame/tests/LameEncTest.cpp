#include "LameLibrary.h"
#include "Mp3Frames.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

// The encoder's own delay before the first input sample comes out, in samples per channel.
constexpr size_t kEncoderDelay = 576 + 529;

class LameEncTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(lib.Bound()) << "lame_enc.dll did not load with its four entry points"; }
    LameLibrary lib;
};

struct EncodeCase {
    DWORD rate;
    LONG mode;
    DWORD bitrate;
    int version;
    double seconds;
};

std::string Name(const EncodeCase& c)
{
    return std::to_string(c.rate) + (c.mode == BE_MP3_MODE_MONO ? " mono " : " stereo ") + std::to_string(c.bitrate);
}

TEST_F(LameEncTest, EncodesConstantBitrateFramesOfTheRequestedFormat)
{
    const EncodeCase cases[] = {
        {44100, BE_MP3_MODE_JSTEREO, 128, 1, 1.0},  {44100, BE_MP3_MODE_MONO, 96, 1, 0.7},
        {48000, BE_MP3_MODE_JSTEREO, 192, 1, 0.5},  {32000, BE_MP3_MODE_MONO, 64, 1, 1.3},
        {22050, BE_MP3_MODE_JSTEREO, 64, 2, 0.9},   {16000, BE_MP3_MODE_MONO, 32, 2, 1.1},
        {11025, BE_MP3_MODE_STEREO, 32, 25, 0.6},   {8000, BE_MP3_MODE_MONO, 16, 25, 2.0},
        // Each rate's extremes, written as asked whatever the channels.
        {22050, BE_MP3_MODE_MONO, 128, 2, 0.9},     {24000, BE_MP3_MODE_MONO, 160, 2, 0.5},
        {22050, BE_MP3_MODE_JSTEREO, 8, 2, 0.5},    {44100, BE_MP3_MODE_MONO, 32, 1, 0.7},
        {48000, BE_MP3_MODE_MONO, 320, 1, 0.3},     {8000, BE_MP3_MODE_JSTEREO, 64, 25, 0.5},
    };
    for (const EncodeCase& c : cases) {
        SCOPED_TRACE(Name(c));
        int channels = c.mode == BE_MP3_MODE_MONO ? 1 : 2;
        size_t frames = static_cast<size_t>(c.seconds * c.rate);
        Encoded e = EncodeAll(lib, SystemConfig(c.rate, c.mode, c.bitrate), Tone(c.rate, channels, frames));
        ASSERT_EQ(e.error, BE_ERR_SUCCESSFUL);
        int frameSamples = c.version == 1 ? 1152 : 576;
        EXPECT_EQ(e.chunkSamples, static_cast<DWORD>(frameSamples * channels));
        std::vector<Mp3Frame> mp3;
        ASSERT_TRUE(ReadMp3Frames(e.mp3.data(), e.mp3.size(), &mp3));
        ASSERT_FALSE(mp3.empty());
        for (const Mp3Frame& f : mp3) {
            ASSERT_EQ(f.version, c.version);
            ASSERT_EQ(f.sampleRate, static_cast<int>(c.rate));
            ASSERT_EQ(f.bitrate, static_cast<int>(c.bitrate));
            ASSERT_EQ(f.mode, c.mode);
            ASSERT_TRUE(f.original);
            ASSERT_FALSE(f.crc || f.copyright || f.privateBit || f.emphasis);
        }
        // Every input sample is in the stream behind the encoder's delay, and at most one
        // frame of padding follows.
        size_t encoded = mp3.size() * static_cast<size_t>(frameSamples);
        EXPECT_GE(encoded, frames + kEncoderDelay);
        EXPECT_LT(encoded, frames + kEncoderDelay + 2 * static_cast<size_t>(frameSamples));
    }
}

TEST_F(LameEncTest, BitstreamFlagsFollowTheRecord)
{
    BE_CONFIG config = SystemConfig(44100, BE_MP3_MODE_STEREO, 160);
    auto& r = config.format.LHV1;
    r.bCRC = TRUE;
    r.bCopyright = TRUE;
    r.bPrivate = TRUE;
    r.bOriginal = FALSE;
    r.dwEmphasis = 1;
    Encoded e = EncodeAll(lib, config, Tone(44100, 2, 20000));
    ASSERT_EQ(e.error, BE_ERR_SUCCESSFUL);
    std::vector<Mp3Frame> mp3;
    ASSERT_TRUE(ReadMp3Frames(e.mp3.data(), e.mp3.size(), &mp3));
    ASSERT_FALSE(mp3.empty());
    for (const Mp3Frame& f : mp3) {
        ASSERT_TRUE(f.crc && f.copyright && f.privateBit);
        ASSERT_FALSE(f.original);
        ASSERT_EQ(f.emphasis, 1);
        ASSERT_EQ(f.mode, 0);
    }
}

TEST_F(LameEncTest, ShortChunksAndTheLastPartialChunkAreAllEncoded)
{
    // Chunks of odd sizes and a lone sample: the output is the same stream length as
    // whole chunks give.
    BE_CONFIG config = SystemConfig(44100, BE_MP3_MODE_MONO, 64);
    std::vector<int16_t> pcm = Tone(44100, 1, 10000);
    DWORD samples = 0, size = 0;
    HBE_STREAM stream = 0;
    ASSERT_EQ(lib.init(&config, &samples, &size, &stream), BE_ERR_SUCCESSFUL);
    std::vector<uint8_t> out(size), mp3;
    size_t pos = 0;
    for (DWORD step : {1u, 7u, 1151u, 1152u, 500u}) {
        for (int i = 0; i < 3 && pos + step <= pcm.size(); ++i, pos += step) {
            DWORD written = 0;
            ASSERT_EQ(lib.encode(stream, step, pcm.data() + pos, out.data(), &written), BE_ERR_SUCCESSFUL);
            mp3.insert(mp3.end(), out.begin(), out.begin() + written);
        }
    }
    DWORD written = 0;
    ASSERT_EQ(lib.encode(stream, static_cast<DWORD>(std::min<size_t>(samples, pcm.size() - pos)), pcm.data() + pos,
                         out.data(), &written), BE_ERR_SUCCESSFUL);
    mp3.insert(mp3.end(), out.begin(), out.begin() + written);
    ASSERT_EQ(lib.deinit(stream, out.data(), &written), BE_ERR_SUCCESSFUL);
    mp3.insert(mp3.end(), out.begin(), out.begin() + written);
    ASSERT_EQ(lib.close(stream), BE_ERR_SUCCESSFUL);
    std::vector<Mp3Frame> frames;
    ASSERT_TRUE(ReadMp3Frames(mp3.data(), mp3.size(), &frames));
    std::vector<Mp3Frame> whole;
    Encoded e = EncodeAll(lib, config, pcm);
    ASSERT_TRUE(ReadMp3Frames(e.mp3.data(), e.mp3.size(), &whole));
    EXPECT_EQ(frames.size(), whole.size());
}

TEST_F(LameEncTest, StreamsAreIndependent)
{
    BE_CONFIG mono = SystemConfig(22050, BE_MP3_MODE_MONO, 32);
    BE_CONFIG stereo = SystemConfig(48000, BE_MP3_MODE_JSTEREO, 256);
    DWORD monoSamples = 0, monoSize = 0, stereoSamples = 0, stereoSize = 0;
    HBE_STREAM a = 0, b = 0;
    ASSERT_EQ(lib.init(&mono, &monoSamples, &monoSize, &a), BE_ERR_SUCCESSFUL);
    ASSERT_EQ(lib.init(&stereo, &stereoSamples, &stereoSize, &b), BE_ERR_SUCCESSFUL);
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    ASSERT_NE(a, b);
    std::vector<int16_t> monoPcm = Tone(22050, 1, monoSamples * 8), stereoPcm = Tone(48000, 2, stereoSamples * 4);
    std::vector<uint8_t> out(std::max(monoSize, stereoSize)), monoMp3, stereoMp3;
    for (int i = 0; i < 8; ++i) {
        DWORD written = 0;
        ASSERT_EQ(lib.encode(a, monoSamples, monoPcm.data() + i * monoSamples, out.data(), &written), BE_ERR_SUCCESSFUL);
        monoMp3.insert(monoMp3.end(), out.begin(), out.begin() + written);
        ASSERT_EQ(lib.encode(b, stereoSamples, stereoPcm.data() + i * stereoSamples / 2, out.data(), &written),
                  BE_ERR_SUCCESSFUL);
        stereoMp3.insert(stereoMp3.end(), out.begin(), out.begin() + written);
    }
    DWORD written = 0;
    ASSERT_EQ(lib.deinit(a, out.data(), &written), BE_ERR_SUCCESSFUL);
    monoMp3.insert(monoMp3.end(), out.begin(), out.begin() + written);
    ASSERT_EQ(lib.close(a), BE_ERR_SUCCESSFUL);
    // The other stream still works after the first is gone.
    ASSERT_EQ(lib.deinit(b, out.data(), &written), BE_ERR_SUCCESSFUL);
    stereoMp3.insert(stereoMp3.end(), out.begin(), out.begin() + written);
    ASSERT_EQ(lib.close(b), BE_ERR_SUCCESSFUL);
    std::vector<Mp3Frame> frames;
    ASSERT_TRUE(ReadMp3Frames(monoMp3.data(), monoMp3.size(), &frames));
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front().sampleRate, 22050);
    EXPECT_EQ(frames.front().mode, 3);
    ASSERT_TRUE(ReadMp3Frames(stereoMp3.data(), stereoMp3.size(), &frames));
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front().sampleRate, 48000);
    EXPECT_EQ(frames.front().bitrate, 256);
}

TEST_F(LameEncTest, ResamplesToTheRecordsRateOrTheEncodersChoice)
{
    struct Case {
        DWORD rate, resample, bitrate;
        int mp3Rate, version;
    };
    const Case cases[] = {{44100, 22050, 64, 22050, 2}, {96000, 0, 192, 48000, 1}, {8000, 32000, 64, 32000, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.rate) + " to " + std::to_string(c.mp3Rate));
        BE_CONFIG config = SystemConfig(c.rate, BE_MP3_MODE_JSTEREO, c.bitrate);
        config.format.LHV1.dwReSampleRate = c.resample;
        size_t frames = c.rate;
        Encoded e = EncodeAll(lib, config, Tone(c.rate, 2, frames));
        ASSERT_EQ(e.error, BE_ERR_SUCCESSFUL);
        std::vector<Mp3Frame> mp3;
        ASSERT_TRUE(ReadMp3Frames(e.mp3.data(), e.mp3.size(), &mp3));
        ASSERT_FALSE(mp3.empty());
        EXPECT_EQ(mp3.front().sampleRate, c.mp3Rate);
        EXPECT_EQ(mp3.front().version, c.version);
        // One second in, one second and the encoder's delay out.
        size_t encoded = mp3.size() * static_cast<size_t>(mp3.front().samples);
        EXPECT_GE(encoded, static_cast<size_t>(c.mp3Rate));
        EXPECT_LT(encoded, static_cast<size_t>(c.mp3Rate) + kEncoderDelay + 2 * static_cast<size_t>(mp3.front().samples));
    }
}

TEST_F(LameEncTest, BitrateZeroLeavesTheChoiceToTheEncoder)
{
    Encoded e = EncodeAll(lib, SystemConfig(44100, BE_MP3_MODE_JSTEREO, 0), Tone(44100, 2, 44100));
    ASSERT_EQ(e.error, BE_ERR_SUCCESSFUL);
    std::vector<Mp3Frame> frames;
    ASSERT_TRUE(ReadMp3Frames(e.mp3.data(), e.mp3.size(), &frames));
    ASSERT_FALSE(frames.empty());
    EXPECT_GT(frames.front().bitrate, 0);
}

TEST_F(LameEncTest, StreamsOnSeveralThreadsAtOnce)
{
    // Conversions may run their encoders side by side on the graphs' threads.
    const EncodeCase cases[] = {
        {44100, BE_MP3_MODE_JSTEREO, 128, 1, 0.5}, {22050, BE_MP3_MODE_MONO, 32, 2, 0.5},
        {48000, BE_MP3_MODE_STEREO, 224, 1, 0.5},  {8000, BE_MP3_MODE_MONO, 16, 25, 0.5},
    };
    Encoded results[4];
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i)
        threads.emplace_back([&, i] {
            const EncodeCase& c = cases[i];
            int channels = c.mode == BE_MP3_MODE_MONO ? 1 : 2;
            results[i] = EncodeAll(lib, SystemConfig(c.rate, c.mode, c.bitrate),
                                   Tone(c.rate, channels, static_cast<size_t>(c.seconds * c.rate)));
        });
    for (std::thread& t : threads) t.join();
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(Name(cases[i]));
        ASSERT_EQ(results[i].error, BE_ERR_SUCCESSFUL);
        std::vector<Mp3Frame> frames;
        ASSERT_TRUE(ReadMp3Frames(results[i].mp3.data(), results[i].mp3.size(), &frames));
        ASSERT_FALSE(frames.empty());
        EXPECT_EQ(frames.front().sampleRate, static_cast<int>(cases[i].rate));
        EXPECT_EQ(frames.front().version, cases[i].version);
    }
}

}
