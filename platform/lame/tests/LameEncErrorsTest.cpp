#include "LameLibrary.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class LameEncErrorsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(lib.Bound()); }

    // An open stream of the system's kind, and its sizes.
    HBE_STREAM Open()
    {
        BE_CONFIG config = SystemConfig(44100, BE_MP3_MODE_JSTEREO, 128);
        EXPECT_EQ(lib.init(&config, &samples, &size, &stream), BE_ERR_SUCCESSFUL);
        out.assign(size, 0);
        pcm = Tone(44100, 2, samples / 2);
        return stream;
    }

    LameLibrary lib;
    DWORD samples = 0, size = 0;
    HBE_STREAM stream = 0;
    std::vector<uint8_t> out;
    std::vector<int16_t> pcm;
};

TEST_F(LameEncErrorsTest, RecordsTheEncoderCannotTakeAreRefused)
{
    struct Case {
        const char* what;
        std::function<void(BE_CONFIG&)> change;
        BE_ERR error;
    };
    const Case cases[] = {
        {"the MP3 record kind", [](BE_CONFIG& c) { c.dwConfig = BE_CONFIG_MP3; }, BE_ERR_INVALID_FORMAT},
        {"an unknown kind", [](BE_CONFIG& c) { c.dwConfig = 999; }, BE_ERR_INVALID_FORMAT},
        {"version 0", [](BE_CONFIG& c) { c.format.LHV1.dwStructVersion = 0; }, BE_ERR_INVALID_FORMAT},
        {"version 2", [](BE_CONFIG& c) { c.format.LHV1.dwStructVersion = 2; }, BE_ERR_INVALID_FORMAT},
        {"a short record", [](BE_CONFIG& c) { c.format.LHV1.dwStructSize = 330; }, BE_ERR_INVALID_FORMAT},
        {"size 0", [](BE_CONFIG& c) { c.format.LHV1.dwStructSize = 0; }, BE_ERR_INVALID_FORMAT},
        {"rate 0", [](BE_CONFIG& c) { c.format.LHV1.dwSampleRate = 0; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        // Below the lowest MP3 rate the encoder would resample up without bound.
        {"rate 1", [](BE_CONFIG& c) { c.format.LHV1.dwSampleRate = 1; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"rate 7999", [](BE_CONFIG& c) { c.format.LHV1.dwSampleRate = 7999; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"rate 480000", [](BE_CONFIG& c) { c.format.LHV1.dwSampleRate = 480000; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"rate past 31 bits", [](BE_CONFIG& c) { c.format.LHV1.dwSampleRate = 0x80000000u; },
         BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"an MP3 rate that does not exist", [](BE_CONFIG& c) { c.format.LHV1.dwReSampleRate = 12345; },
         BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"resampling to 96000", [](BE_CONFIG& c) { c.format.LHV1.dwReSampleRate = 96000; },
         BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"dual channel", [](BE_CONFIG& c) { c.format.LHV1.nMode = BE_MP3_MODE_DUALCHANNEL; },
         BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"mode 7", [](BE_CONFIG& c) { c.format.LHV1.nMode = 7; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"mode -1", [](BE_CONFIG& c) { c.format.LHV1.nMode = -1; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"bits per second for kilobits", [](BE_CONFIG& c) { c.format.LHV1.dwBitrate = 128000; },
         BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"bitrate 4", [](BE_CONFIG& c) { c.format.LHV1.dwBitrate = 4; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        // 44.1 kHz frames carry 32 to 320 kbit/s, and no 144.
        {"8 kbit/s at 44.1 kHz", [](BE_CONFIG& c) { c.format.LHV1.dwBitrate = 8; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"24 kbit/s at 44.1 kHz", [](BE_CONFIG& c) { c.format.LHV1.dwBitrate = 24; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"144 kbit/s at 44.1 kHz", [](BE_CONFIG& c) { c.format.LHV1.dwBitrate = 144; },
         BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"128 kbit/s resampled to 11.025 kHz",
         [](BE_CONFIG& c) { c.format.LHV1.dwReSampleRate = 11025; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"100 kbit/s", [](BE_CONFIG& c) { c.format.LHV1.dwBitrate = 100; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"a preset", [](BE_CONFIG& c) { c.format.LHV1.nPreset = 0; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"VBR", [](BE_CONFIG& c) { c.format.LHV1.bEnableVBR = TRUE; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"a VBR header", [](BE_CONFIG& c) { c.format.LHV1.bWriteVBRHeader = TRUE; },
         BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"MPEG version 3", [](BE_CONFIG& c) { c.format.LHV1.dwMpegVersion = 3; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"emphasis 4", [](BE_CONFIG& c) { c.format.LHV1.dwEmphasis = 4; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BE_CONFIG config = SystemConfig(44100, BE_MP3_MODE_JSTEREO, 128);
        c.change(config);
        DWORD samples = 7, size = 7;
        HBE_STREAM handle = 7;
        EXPECT_EQ(lib.init(&config, &samples, &size, &handle), c.error);
        EXPECT_EQ(samples, 0u);
        EXPECT_EQ(size, 0u);
        EXPECT_EQ(handle, 0u);
    }
}

TEST_F(LameEncErrorsTest, NullArgumentsToOpenAreRefused)
{
    BE_CONFIG config = SystemConfig(44100, BE_MP3_MODE_MONO, 64);
    DWORD samples = 7, size = 7;
    HBE_STREAM handle = 7;
    EXPECT_EQ(lib.init(nullptr, &samples, &size, &handle), BE_ERR_INVALID_FORMAT_PARAMETERS);
    EXPECT_EQ(handle, 0u);
    EXPECT_EQ(lib.init(&config, nullptr, &size, &handle), BE_ERR_INVALID_FORMAT_PARAMETERS);
    EXPECT_EQ(lib.init(&config, &samples, nullptr, &handle), BE_ERR_INVALID_FORMAT_PARAMETERS);
    EXPECT_EQ(lib.init(&config, &samples, &size, nullptr), BE_ERR_INVALID_FORMAT_PARAMETERS);
    EXPECT_EQ(samples, 0u);
    EXPECT_EQ(size, 0u);
}

TEST_F(LameEncErrorsTest, UnknownAndClosedHandlesAreRefused)
{
    Open();
    std::vector<int16_t> pcm(8);
    DWORD written = 7;
    for (HBE_STREAM bad : {HBE_STREAM(0), HBE_STREAM(stream + 1000), HBE_STREAM(0xFFFFFFFF)}) {
        EXPECT_EQ(lib.encode(bad, 8, pcm.data(), out.data(), &written), BE_ERR_INVALID_HANDLE);
        EXPECT_EQ(written, 0u);
        EXPECT_EQ(lib.deinit(bad, out.data(), &written), BE_ERR_INVALID_HANDLE);
        EXPECT_EQ(lib.close(bad), BE_ERR_INVALID_HANDLE);
    }
    ASSERT_EQ(lib.close(stream), BE_ERR_SUCCESSFUL);
    EXPECT_EQ(lib.encode(stream, 8, pcm.data(), out.data(), &written), BE_ERR_INVALID_HANDLE);
    EXPECT_EQ(lib.deinit(stream, out.data(), &written), BE_ERR_INVALID_HANDLE);
    EXPECT_EQ(lib.close(stream), BE_ERR_INVALID_HANDLE);
    // A new stream never takes the handle of one just closed.
    HBE_STREAM closed = stream;
    EXPECT_NE(Open(), closed);
    EXPECT_EQ(lib.close(stream), BE_ERR_SUCCESSFUL);
}

TEST_F(LameEncErrorsTest, BadChunksAreRefusedAndTheStreamGoesOn)
{
    Open();
    DWORD written = 7;
    EXPECT_EQ(lib.encode(stream, samples, nullptr, out.data(), &written), BE_ERR_INVALID_FORMAT_PARAMETERS);
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(lib.encode(stream, samples, pcm.data(), nullptr, &written), BE_ERR_INVALID_FORMAT_PARAMETERS);
    EXPECT_EQ(lib.encode(stream, samples, pcm.data(), out.data(), nullptr), BE_ERR_INVALID_FORMAT_PARAMETERS);
    // More than one chunk could overrun the buffer the caller sized from the stream.
    std::vector<int16_t> twice(2 * samples);
    EXPECT_EQ(lib.encode(stream, samples + 2, twice.data(), out.data(), &written), BE_ERR_INVALID_FORMAT_PARAMETERS);
    EXPECT_EQ(lib.encode(stream, 0, nullptr, out.data(), &written), BE_ERR_SUCCESSFUL);
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(lib.deinit(stream, nullptr, &written), BE_ERR_INVALID_FORMAT_PARAMETERS);
    EXPECT_EQ(lib.deinit(stream, out.data(), nullptr), BE_ERR_INVALID_FORMAT_PARAMETERS);
    // None of that harmed the stream.
    EXPECT_EQ(lib.encode(stream, samples, pcm.data(), out.data(), &written), BE_ERR_SUCCESSFUL);
    EXPECT_EQ(lib.deinit(stream, out.data(), &written), BE_ERR_SUCCESSFUL);
    EXPECT_GT(written, 0u);
    EXPECT_LE(written, size);
    EXPECT_EQ(lib.close(stream), BE_ERR_SUCCESSFUL);
}

TEST_F(LameEncErrorsTest, AFlushedStreamTakesNoMoreSamples)
{
    Open();
    DWORD written = 0;
    ASSERT_EQ(lib.encode(stream, samples, pcm.data(), out.data(), &written), BE_ERR_SUCCESSFUL);
    ASSERT_EQ(lib.deinit(stream, out.data(), &written), BE_ERR_SUCCESSFUL);
    EXPECT_EQ(lib.encode(stream, samples, pcm.data(), out.data(), &written), BE_ERR_INVALID_HANDLE);
    // A second flush has nothing left to write.
    EXPECT_EQ(lib.deinit(stream, out.data(), &written), BE_ERR_SUCCESSFUL);
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(lib.close(stream), BE_ERR_SUCCESSFUL);
}

}
