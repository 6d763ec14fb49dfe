#include "dshow/discs/AudioTrackSource.h"
#include "dshow/discs/LocaleNames.h"
#include "dshow/discs/TrackReader.h"

#include "com/ComRuntime.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/WideText.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A RIFF WAVE image: header fields as given, then the data bytes.
std::vector<char> Wave(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, uint32_t announced,
                       const std::vector<char>& data)
{
    std::vector<char> bytes;
    auto put = [&](const void* p, size_t n) {
        bytes.insert(bytes.end(), static_cast<const char*>(p), static_cast<const char*>(p) + n);
    };
    auto u32 = [&](uint32_t v) { put(&v, 4); };
    auto u16 = [&](uint16_t v) { put(&v, 2); };
    put("RIFF", 4);
    u32(36 + announced);
    put("WAVEfmt ", 8);
    u32(16);
    u16(tag);
    u16(channels);
    u32(rate);
    u32(rate * channels * bits / 8);
    u16(uint16_t(channels * bits / 8));
    u16(bits);
    put("data", 4);
    u32(announced);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

class TrackReaderTest : public ::testing::Test {
protected:
    std::string Write(const char* name, const std::vector<char>& bytes)
    {
        const fs::path path = fs::path(m_home.Path()) / name;
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        return path.string();
    }
    MvTestHome m_home;
};

TEST_F(TrackReaderTest, WaveTrackReadsItsPcmAndBoundsTheDataByTheFile)
{
    const std::vector<char> data(4000, 1);
    // Announces a gigabyte, holds 4000 bytes.
    auto reader = CTrackReader::OpenWave(Write("cut.wav", Wave(1, 2, 44100, 16, 0x40000000, data)));
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->SampleRate(), 44100u);
    EXPECT_EQ(reader->Channels(), 2);
    EXPECT_EQ(reader->BitsPerSample(), 16);
    EXPECT_EQ(reader->Length(), 4000u);
    std::vector<BYTE> bytes;
    while (reader->Read(bytes)) {
    }
    EXPECT_EQ(bytes.size(), 4000u);
    ASSERT_TRUE(reader->Seek(3998));
    bytes.clear();
    ASSERT_TRUE(reader->Read(bytes));
    EXPECT_EQ(bytes.size(), 4u);
}

TEST_F(TrackReaderTest, FilesThatAreNoPcmWaveAreRefused)
{
    const std::vector<char> data(400, 0);
    const std::vector<char> text = {'h', 'e', 'l', 'l', 'o'};
    const std::vector<char> whole = Wave(1, 2, 44100, 16, 400, data);
    struct Case {
        const char* name;
        std::vector<char> bytes;
    } cases[] = {
        {"text.wav", text},
        {"compressed.wav", Wave(0x55, 2, 44100, 16, 400, data)},
        {"nochannels.wav", Wave(1, 0, 44100, 16, 400, data)},
        {"norate.wav", Wave(1, 2, 0, 16, 400, data)},
        {"bits.wav", Wave(1, 2, 44100, 12, 400, data)},
        {"nodata.wav", Wave(1, 2, 44100, 16, 0, {})},
        {"header.wav", std::vector<char>(whole.begin(), whole.begin() + 30)},
    };
    for (const Case& c : cases) EXPECT_EQ(CTrackReader::OpenWave(Write(c.name, c.bytes)), nullptr) << c.name;
    EXPECT_EQ(CTrackReader::OpenWave(fs::path(m_home.Path()) / "absent.wav"), nullptr);
}

TEST_F(TrackReaderTest, DriveAddressBeyondTheDrivesOpensNothing)
{
    const size_t drives = CTrackReader::Drives().size();
    EXPECT_EQ(CTrackReader::OpenDrive(int(drives), 1), nullptr);
    EXPECT_EQ(CTrackReader::OpenDrive(-1, 1), nullptr);
}

TEST_F(TrackReaderTest, SourceLoadsATrackFileAndOffersItsPcm)
{
    CoInitialize(nullptr);
    IBaseFilter* filter = nullptr;
    ASSERT_EQ(CAudioTrackSource::Create(IBaseFilter::kIid, reinterpret_cast<void**>(&filter)), S_OK);
    IFileSourceFilter* load = nullptr;
    ASSERT_EQ(QueryInterfaceTo(filter, &load), S_OK);
    const std::string text = Write("text.wav", {'x'});
    EXPECT_NE(load->Load(WideText(text).c_str(), nullptr), S_OK);
    const std::string wav = Write("track.wav", Wave(1, 2, 44100, 16, 44100 * 4, std::vector<char>(44100 * 4, 0)));
    ASSERT_EQ(load->Load(WideText(wav).c_str(), nullptr), S_OK);
    // One track per source.
    EXPECT_NE(load->Load(WideText(wav).c_str(), nullptr), S_OK);
    IMediaSeeking* seeking = nullptr;
    ASSERT_EQ(QueryInterfaceTo(filter, &seeking), S_OK);
    LONGLONG duration = 0;
    ASSERT_EQ(seeking->GetDuration(&duration), S_OK);
    EXPECT_EQ(duration, 10000000);
    IAudioTrackDrive* drive = nullptr;
    ASSERT_EQ(QueryInterfaceTo(filter, &drive), S_OK);
    BYTE adapter = 0;
    EXPECT_EQ(drive->GetAdapterId(&adapter), S_OK);
    EXPECT_EQ(adapter, 255);
    drive->Release();
    seeking->Release();
    load->Release();
    filter->Release();
    CoUninitialize();
}

TEST(LocaleNamesTest, LanguageCodesAndNames)
{
    const LCID english = LcidFromLanguageCode("EN");
    ASSERT_NE(english, 0u);
    char name[32] = {};
    EXPECT_EQ(GetLocaleInfoA(english, LOCALE_SLANGUAGE, name, sizeof name), 8);
    EXPECT_STREQ(name, "English");
    EXPECT_EQ(GetLocaleInfoA(LcidFromLanguageCode("fr"), LOCALE_SLANGUAGE, nullptr, 0), 7);
    EXPECT_EQ(GetLocaleInfoA(english, LOCALE_SLANGUAGE, name, 4), 0);
    EXPECT_EQ(GetLocaleInfoA(english, 99, name, sizeof name), 0);
    EXPECT_EQ(LcidFromLanguageCode("zz"), 0u);
    EXPECT_EQ(LcidFromLanguageCode("eng"), 0u);
    EXPECT_EQ(LcidFromLanguageCode(nullptr), 0u);
    EXPECT_EQ(GetLocaleInfoA(0, LOCALE_SLANGUAGE, name, sizeof name), 0);
}

} // namespace
