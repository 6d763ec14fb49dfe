#include "CLameDll.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Interleaved 16-bit PCM of a 440 Hz tone.
std::vector<BYTE> Tone(int frames, int channels, DWORD rate = 44100)
{
    std::vector<BYTE> bytes;
    for (int i = 0; i < frames; ++i) {
        const auto sample = static_cast<short>(8000 * std::sin(2 * M_PI * 440 * i / rate));
        for (int c = 0; c < channels; ++c) {
            bytes.push_back(static_cast<BYTE>(sample & 0xFF));
            bytes.push_back(static_cast<BYTE>((sample >> 8) & 0xFF));
        }
    }
    return bytes;
}

// The channel mode bits of the first MP3 frame header (3 mono, 1 joint stereo); -1 without one.
int FirstFrameMode(const BYTE* mp3, DWORD size)
{
    for (DWORD i = 0; i + 3 < size; ++i)
        if (mp3[i] == 0xFF && (mp3[i + 1] & 0xE0) == 0xE0) return mp3[i + 3] >> 6;
    return -1;
}

TEST(LameDllTest, MissingPathFallsBackToTheBareName)
{
    CLameDll lame;
    lame.Load("/nowhere/lame_enc.dll");
    EXPECT_TRUE(lame.LoadLibraryA());
    EXPECT_STREQ(lame.GetPath(), "lame_enc.dll");
}

TEST(LameDllTest, LibraryWithoutEntryPointsFailsEverything)
{
    CLameDll lame;
    lame.Load("mvbase.dll");
    EXPECT_FALSE(lame.LoadLibraryA());
    EXPECT_FALSE(lame.Open());
    BYTE mp3[16];
    DWORD written = 5;
    const BYTE pcm[4] = {};
    EXPECT_FALSE(lame.Encode(pcm, sizeof pcm, mp3, written));
    EXPECT_EQ(written, 0u);
    CHandle out;
    EXPECT_FALSE(lame.Close(out));
}

TEST(LameDllTest, CloseWithoutStreamFails)
{
    CLameDll lame;
    lame.Load(CLameDll::kLibraryName);
    ASSERT_TRUE(lame.LoadLibraryA());
    CHandle out;
    EXPECT_FALSE(lame.Close(out));
}

TEST(LameDllTest, ChannelCountChoosesTheMode)
{
    for (WORD channels : {1, 2}) {
        CLameDll lame;
        lame.Load(CLameDll::kLibraryName);
        lame.SetChannel(channels);
        lame.SetBitrate(128);
        ASSERT_TRUE(lame.Open()) << channels;
        const std::vector<BYTE> pcm = Tone(44100, channels);
        std::vector<BYTE> mp3(pcm.size() / lame.GetChunkSize() * lame.GetMp3BufferSize() + 1);
        DWORD written = 0;
        ASSERT_TRUE(lame.Encode(pcm.data(), static_cast<DWORD>(pcm.size()), mp3.data(), written));
        CHandle tail;
        ASSERT_TRUE(lame.Close(tail));
        mp3.resize(written);
        mp3.insert(mp3.end(), tail.GetBuffer(), tail.GetBuffer() + tail.GetSize());
        ASSERT_FALSE(mp3.empty());
        EXPECT_EQ(FirstFrameMode(mp3.data(), static_cast<DWORD>(mp3.size())), channels == 1 ? 3 : 1);
        EXPECT_FALSE(lame.IsOpen());
        EXPECT_EQ(lame.GetChunkSize(), 0u);
    }
}

TEST(LameDllTest, ShortInputIsKeptForTheNextCall)
{
    const std::vector<BYTE> pcm = Tone(44100, 2);
    auto encodeAll = [&](const std::vector<DWORD>& pieces) {
        CLameDll lame;
        lame.Load(CLameDll::kLibraryName);
        lame.SetBitrate(128);
        EXPECT_TRUE(lame.Open());
        std::vector<BYTE> result;
        std::vector<BYTE> mp3(pcm.size());
        DWORD offset = 0;
        for (DWORD piece : pieces) {
            DWORD written = 1;
            EXPECT_TRUE(lame.Encode(pcm.data() + offset, piece, mp3.data(), written));
            if (piece < lame.GetChunkSize() && offset == 0) {
                EXPECT_EQ(written, 0u);
            }
            result.insert(result.end(), mp3.begin(), mp3.begin() + written);
            offset += piece;
        }
        CHandle tail;
        EXPECT_TRUE(lame.Close(tail));
        result.insert(result.end(), tail.GetBuffer(), tail.GetBuffer() + tail.GetSize());
        EXPECT_EQ(offset, pcm.size());
        return result;
    };
    const auto size = static_cast<DWORD>(pcm.size());
    // The chunk is 1152 stereo frames: 4608 bytes.
    const std::vector<BYTE> whole = encodeAll({size});
    EXPECT_EQ(encodeAll({100, 7, 4000, 5000, size - 9107}), whole);
    EXPECT_EQ(encodeAll({size - 1000, 1000}), whole);
    EXPECT_FALSE(whole.empty());
}

}  // namespace
