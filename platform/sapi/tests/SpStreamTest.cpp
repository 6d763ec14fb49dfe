#include "com/ComRuntime.h"
#include "sapi/SpStreams.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class SpStreamTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        dir = fs::temp_directory_path() / ("mv_spstream_" + std::to_string(getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        fs::remove_all(dir);
        CoUninitialize();
    }
    static ISpStream* NewStream()
    {
        ISpStream* s = nullptr;
        EXPECT_EQ(S_OK, CoCreateInstance(CLSID_SpStream, nullptr, CLSCTX_ALL, IID_ISpStream, reinterpret_cast<void**>(&s)));
        return s;
    }
    static std::vector<unsigned char> Read(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return std::vector<unsigned char>((std::istreambuf_iterator<char>(in)), {});
    }
    static uint32_t U32(const std::vector<unsigned char>& b, size_t at)
    {
        return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
    }
    fs::path dir;
};

TEST_F(SpStreamTest, WritesACompleteWaveFileWhenTheLastReferenceGoes)
{
    fs::path file = dir / "out.wav";
    std::ofstream(file) << "old content that must be replaced";
    ISpStream* s = NewStream();
    WAVEFORMATEX f{WAVE_FORMAT_PCM, 1, 8000, 8000, 1, 8, 0};
    ASSERT_EQ(S_OK, s->BindToFile(file.u16string().c_str(), SPFM_CREATE_ALWAYS, &SPDFID_WaveFormatEx, &f, 0));
    const unsigned char data[] = {1, 2, 3};
    ULONG written = 0;
    ASSERT_EQ(S_OK, s->Write(data, 3, &written));
    EXPECT_EQ(3u, written);
    s->AddRef();
    s->Release(); // not the last reference: the file stays open
    EXPECT_EQ(S_OK, s->Write(data, 0, &written));
    s->Release();

    std::vector<unsigned char> b = Read(file);
    ASSERT_EQ(48u, b.size()); // odd data gets its pad byte
    EXPECT_EQ(0, std::memcmp(b.data(), "RIFF", 4));
    EXPECT_EQ(40u, U32(b, 4));
    EXPECT_EQ(0, std::memcmp(b.data() + 8, "WAVEfmt ", 8));
    EXPECT_EQ(16u, U32(b, 16));
    EXPECT_EQ(1, b[20]);  // PCM
    EXPECT_EQ(1, b[22]);  // channels
    EXPECT_EQ(8000u, U32(b, 24));
    EXPECT_EQ(8000u, U32(b, 28));
    EXPECT_EQ(1, b[32]);  // block
    EXPECT_EQ(8, b[34]);  // bits
    EXPECT_EQ(0, std::memcmp(b.data() + 36, "data", 4));
    EXPECT_EQ(3u, U32(b, 40));
}

TEST_F(SpStreamTest, RefusesBadBindingsWithoutMakingAFile)
{
    WAVEFORMATEX good{WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 0};
    struct Case {
        const char* name;
        WAVEFORMATEX format;
        SPFILEMODE mode;
        const GUID* id;
        HRESULT expected;
    };
    WAVEFORMATEX zeroRate = good, zeroChannels = good, zeroBits = good;
    zeroRate.nSamplesPerSec = 0;
    zeroChannels.nChannels = 0;
    zeroBits.wBitsPerSample = 0;
    const Case cases[] = {
        {"rate0.wav", zeroRate, SPFM_CREATE_ALWAYS, &SPDFID_WaveFormatEx, SPERR_UNSUPPORTED_FORMAT},
        {"channels0.wav", zeroChannels, SPFM_CREATE_ALWAYS, &SPDFID_WaveFormatEx, SPERR_UNSUPPORTED_FORMAT},
        {"bits0.wav", zeroBits, SPFM_CREATE_ALWAYS, &SPDFID_WaveFormatEx, SPERR_UNSUPPORTED_FORMAT},
        {"text.wav", good, SPFM_CREATE_ALWAYS, &SPDFID_Text, SPERR_UNSUPPORTED_FORMAT},
        {"read.wav", good, SPFM_OPEN_READONLY, &SPDFID_WaveFormatEx, E_NOTIMPL},
        {"missing/folder/x.wav", good, SPFM_CREATE_ALWAYS, &SPDFID_WaveFormatEx, STG_E_FILENOTFOUND},
    };
    for (const Case& c : cases) {
        ISpStream* s = NewStream();
        fs::path file = dir / c.name;
        EXPECT_EQ(c.expected, s->BindToFile(file.u16string().c_str(), c.mode, c.id, &c.format, 0)) << c.name;
        EXPECT_EQ(SPERR_STREAM_CLOSED, s->Write("ab", 2, nullptr)) << c.name;
        s->Release();
        EXPECT_FALSE(fs::exists(file)) << c.name;
    }
    // SPFM_CREATE keeps an existing file.
    fs::path existing = dir / "keep.wav";
    std::ofstream(existing) << "keep";
    ISpStream* s = NewStream();
    EXPECT_EQ(E_ACCESSDENIED, s->BindToFile(existing.u16string().c_str(), SPFM_CREATE, &SPDFID_WaveFormatEx, &good, 0));
    s->Release();
    EXPECT_EQ(4u, fs::file_size(existing));
}

TEST_F(SpStreamTest, WritesOnlyWholeFramesAndReportsItsFormat)
{
    fs::path file = dir / "stereo.wav";
    ISpStream* s = NewStream();
    WAVEFORMATEX f{WAVE_FORMAT_PCM, 2, 44100, 176400, 4, 16, 0};
    ASSERT_EQ(S_OK, s->BindToFile(file.u16string().c_str(), SPFM_CREATE_ALWAYS, &SPDFID_WaveFormatEx, &f, 0));
    GUID id{};
    WAVEFORMATEX* got = nullptr;
    ASSERT_EQ(S_OK, s->GetFormat(&id, &got));
    EXPECT_EQ(SPDFID_WaveFormatEx, id);
    EXPECT_EQ(44100u, got->nSamplesPerSec);
    EXPECT_EQ(2, got->nChannels);
    CoTaskMemFree(got);
    EXPECT_EQ(SPERR_ALREADY_INITIALIZED, s->BindToFile(file.u16string().c_str(), SPFM_CREATE_ALWAYS, &SPDFID_WaveFormatEx, &f, 0));
    EXPECT_EQ(S_OK, s->Close());
    EXPECT_EQ(S_FALSE, s->Close());
    EXPECT_EQ(SPERR_STREAM_CLOSED, s->Write("abcd", 4, nullptr));
    s->Release();
    EXPECT_EQ(44u, fs::file_size(file));
}

} // namespace
