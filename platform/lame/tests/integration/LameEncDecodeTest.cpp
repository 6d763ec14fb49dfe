// The encoded streams as FFmpeg reads and decodes them.
#include "LameLibrary.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::string Output(const std::string& command)
{
    std::string text;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0) text.append(buffer, n);
    ::pclose(pipe);
    return text;
}

std::string Field(const std::string& text, const std::string& key)
{
    size_t at = text.find(key + "=");
    if (at == std::string::npos) return {};
    size_t end = text.find('\n', at);
    return text.substr(at + key.size() + 1, end - at - key.size() - 1);
}

class LameEncDecodeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.Bound());
        char pattern[] = "/tmp/lame_enc_XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override
    {
        if (!folder.empty()) std::system(("rm -rf '" + folder + "'").c_str());
    }

    LameLibrary lib;
    std::string folder;
};

struct DecodeCase {
    DWORD rate;
    LONG mode;
    DWORD bitrate;
    double seconds;
};

TEST_F(LameEncDecodeTest, DecodesToTheTonesAtTheirRateChannelsAndLength)
{
    const DecodeCase cases[] = {
        {44100, BE_MP3_MODE_JSTEREO, 128, 2.0},
        {48000, BE_MP3_MODE_STEREO, 320, 1.0},
        {32000, BE_MP3_MODE_MONO, 64, 1.5},
        {22050, BE_MP3_MODE_MONO, 48, 3.0},
        {16000, BE_MP3_MODE_JSTEREO, 64, 1.0},
        {8000, BE_MP3_MODE_MONO, 24, 2.5},
    };
    for (const DecodeCase& c : cases) {
        int channels = c.mode == BE_MP3_MODE_MONO ? 1 : 2;
        SCOPED_TRACE(std::to_string(c.rate) + " Hz, " + std::to_string(channels) + " channels");
        size_t frames = static_cast<size_t>(c.seconds * c.rate);
        Encoded e = EncodeAll(lib, SystemConfig(c.rate, c.mode, c.bitrate), Tone(c.rate, channels, frames));
        ASSERT_EQ(e.error, BE_ERR_SUCCESSFUL);
        std::string path = folder + "/out.mp3";
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(e.mp3.data()),
                                                    static_cast<std::streamsize>(e.mp3.size()));

        std::string probe = Output("ffprobe -v error -select_streams a:0 -show_entries "
                                "stream=codec_name,sample_rate,channels,bit_rate -of default=nw=1 '" + path + "'");
        EXPECT_EQ(Field(probe, "codec_name"), "mp3");
        EXPECT_EQ(Field(probe, "sample_rate"), std::to_string(c.rate));
        EXPECT_EQ(Field(probe, "channels"), std::to_string(channels));
        EXPECT_EQ(Field(probe, "bit_rate"), std::to_string(c.bitrate * 1000));

        // Decoded, the stream holds the input behind the encoder's delay, padded by less
        // than one frame more.
        std::string pcmPath = folder + "/out.raw";
        ASSERT_EQ(std::system(("ffmpeg -v error -y -i '" + path + "' -f s16le -acodec pcm_s16le '" + pcmPath + "'").c_str()), 0);
        std::ifstream in(pcmPath, std::ios::binary | std::ios::ate);
        size_t bytes = static_cast<size_t>(in.tellg());
        std::vector<int16_t> decoded(bytes / 2);
        in.seekg(0);
        in.read(reinterpret_cast<char*>(decoded.data()), static_cast<std::streamsize>(bytes));
        size_t decodedFrames = decoded.size() / channels;
        size_t frameSamples = c.rate >= 32000 ? 1152 : 576;
        EXPECT_GE(decodedFrames, frames);
        EXPECT_LT(decodedFrames, frames + 1105 + 2 * frameSamples);

        // Each channel carries its own tone: count rising zero crossings over the middle.
        for (int ch = 0; ch < channels; ++ch) {
            size_t from = decodedFrames / 4, to = 3 * decodedFrames / 4;
            int crossings = 0;
            for (size_t i = from + 1; i < to; ++i)
                if (decoded[(i - 1) * channels + ch] < 0 && decoded[i * channels + ch] >= 0) ++crossings;
            double hz = crossings * static_cast<double>(c.rate) / static_cast<double>(to - from);
            EXPECT_NEAR(hz, 440.0 + 220.0 * ch, 5.0) << "channel " << ch;
        }
    }
}

}
