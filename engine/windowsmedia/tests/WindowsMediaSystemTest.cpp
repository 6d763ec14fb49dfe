// The engine with the Windows Media runtime loaded by name: profiles by version, custom
// profile files, codecs in the catalogues and the stream configurations for writing.
#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "CWindowsMediaSystem2.h"
#include "CWmStreamFormat.h"
#include "CWmProfile2.h"
#include "CWmProfileVersion.h"
#include "WmHeld.h"
#include "dshow/VideoInfo.h"
#include "win32/TestHome.h"
#include "win32/audio/WaveFormat.h"
#include "wmf/WmInterfaces.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace fs = std::filesystem;

namespace {

class WindowsMediaSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_loadWm = CDirectShowSystem2::sLoadWm;
        CDirectShowSystem2::sLoadWm = true;
    }
    void TearDown() override { CDirectShowSystem2::sLoadWm = m_loadWm; }

    // The profile's text as the runtime saves it, as a file's bytes.
    static void WriteProfile(IWMProfileManager* manager, IWMProfile* profile, const fs::path& path,
                             const std::u16string& (*edit)(std::u16string&) = nullptr)
    {
        DWORD length = 0;
        ASSERT_EQ(manager->SaveProfile(profile, nullptr, &length), S_OK);
        std::u16string text(length, u'\0');
        ASSERT_EQ(manager->SaveProfile(profile, text.data(), &length), S_OK);
        text.resize(length - 1);
        if (edit) edit(text);
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(text.data()), std::streamsize(text.size() * 2));
    }

    bool m_loadWm = true;
    MvTestHome m_home;
    CAudioCodecsInfo m_audio{true};
    CVideoCodecsInfo m_video{true};
};

TEST_F(WindowsMediaSystemTest, ProfilesOfEveryVersionAreCataloguedInNameOrder)
{
    CWindowsMediaSystem2 system;
    ASSERT_NE(system.GetProfileManager(), nullptr);
    EXPECT_EQ(CDirectShowSystem2::sSystem, &system);
    EXPECT_EQ(CWmProfilesInfo::sInfo, &system.GetProfiles());
    const unsigned short versions[] = {4, 7, 8, 9};
    ASSERT_EQ(system.GetProfiles().GetVersionCount(), 4);
    for (int v = 0; v < 4; ++v) {
        CWmProfileVersion* version = system.GetProfiles().GetVersion(v);
        EXPECT_EQ(version->GetVersion(), versions[v]);
        ASSERT_GE(version->GetProfileCount(), 4);
        for (int i = 1; i < version->GetProfileCount(); ++i)
            EXPECT_LT(std::strcmp(version->GetProfile(i - 1)->GetName(), version->GetProfile(i)->GetName()), 0);
        // The first audio-only profile, and the first with video.
        CWmProfile2* audioOnly = version->FindFirst(true);
        ASSERT_NE(audioOnly, nullptr);
        EXPECT_FALSE(audioOnly->GetHasVideo());
        EXPECT_TRUE(audioOnly->GetHasAudio());
        ASSERT_NE(version->FindFirst(false), nullptr);
        EXPECT_TRUE(version->FindFirst(false)->GetHasVideo());
        EXPECT_EQ(version->Find(audioOnly->GetName()), audioOnly);
    }
    EXPECT_EQ(system.GetProfiles().Find(5), nullptr);
}

TEST_F(WindowsMediaSystemTest, ProfileWithBothStreamsReportsBothAndTheLastStreamsBitrate)
{
    CWindowsMediaSystem2 system;
    CWmProfile2* broadband = system.GetProfiles().Find(8)->Find("Video for broadband (340 Kbps)");
    ASSERT_NE(broadband, nullptr);
    EXPECT_TRUE(broadband->GetHasVideo());
    EXPECT_TRUE(broadband->GetHasAudio());
    EXPECT_EQ(broadband->GetBitrate(), 276000u); // the video stream comes last

    std::unique_ptr<CWmProfile2> videoOnly(broadband->CloneVideoOnly());
    ASSERT_TRUE(videoOnly);
    EXPECT_TRUE(videoOnly->GetHasVideo());
    EXPECT_FALSE(videoOnly->GetHasAudio());
    EXPECT_TRUE(broadband->GetHasAudio()); // the original keeps its audio

    // Width 0 keeps the size and changes only the frame rate.
    std::unique_ptr<CWmProfile2> rate(broadband->CloneWith(0, 240, 29.97, true));
    ASSERT_TRUE(rate);
    TWmHeld<IWMStreamConfig> video;
    for (DWORD i = 0; i < 2 && !video; ++i) {
        IWMStreamConfig* config = nullptr;
        ASSERT_EQ(rate->GetProfile()->GetStream(i, &config), S_OK);
        GUID type{};
        config->GetStreamType(&type);
        if (type == WMMEDIATYPE_Video)
            video.reset(config);
        else
            config->Release();
    }
    ASSERT_TRUE(video);
    CWmStreamFormat format(video.get());
    ASSERT_NE(format.Video(), nullptr);
    EXPECT_EQ(format.Video()->bmiHeader.biWidth, 320);
    EXPECT_EQ(format.Video()->AvgTimePerFrame, 333667);

    // Video-only with a new size, then audio-only with a new format.
    std::unique_ptr<CWmProfile2> small(broadband->CloneWith(true, false, 176, 144, 15, 100000, "", 0, 0, 0, 0));
    ASSERT_TRUE(small);
    EXPECT_FALSE(small->GetHasAudio());
    EXPECT_EQ(small->GetBitrate(), 276000u); // the stream's own bit rate is not the header's
    std::unique_ptr<CWmProfile2> voice(
        broadband->CloneWith(false, true, 0, 0, 0, 0, "Windows Media Audio 9.2", 22050, 1, 16, 32000));
    ASSERT_TRUE(voice);
    EXPECT_FALSE(voice->GetHasVideo());
    EXPECT_EQ(voice->GetBitrate(), 32000u);
}

TEST_F(WindowsMediaSystemTest, CustomProfileFilesAreReadBelowTheFolderAndDamagedOnesLeftOut)
{
    CWindowsMediaSystem2 system;
    const fs::path folder = fs::path(m_home.Path()) / "WM Profiles";
    fs::create_directories(folder / "more");
    CWmProfile2* source = system.GetProfiles().Find(9)->FindFirst(true);
    ASSERT_NE(source, nullptr);
    std::unique_ptr<CWmProfile2> mine(source->CloneProfile());
    mine->GetProfile()->SetName(u"My voice profile");
    WriteProfile(system.GetProfileManager(), mine->GetProfile(), folder / "voice.prx");
    mine->GetProfile()->SetName(u"Other version");
    WriteProfile(system.GetProfileManager(), mine->GetProfile(), folder / "more" / "other.PRX",
                 [](std::u16string& text) -> const std::u16string& {
                     const size_t at = text.find(u"version=\"");
                     text.replace(at, text.find(u'"', at + 9) - at + 1, u"version=\"327680\"");
                     return text;
                 });
    std::ofstream(folder / "damaged.prx") << "this is no profile";
    std::ofstream(folder / "notes.txt") << "<profile version=\"589824\" name=\"Not a profile file\">";

    system.AddCustomProfiles((folder.string() + "/").c_str());
    ASSERT_NE(system.GetProfiles().Find(9)->Find("My voice profile"), nullptr);
    EXPECT_TRUE(system.GetProfiles().Find(9)->Find("My voice profile")->GetHasAudio());
    ASSERT_NE(system.GetProfiles().Find(0), nullptr); // another version goes under 0
    EXPECT_NE(system.GetProfiles().Find(0)->Find("Other version"), nullptr);
    EXPECT_EQ(system.GetProfiles().Find(0)->GetProfileCount(), 1);
    EXPECT_EQ(system.GetProfiles().Find(9)->Find("Not a profile file"), nullptr);
}

TEST_F(WindowsMediaSystemTest, CodecsAreAddedToTheCataloguesWithTheirFormats)
{
    CWindowsMediaSystem2 system;
    CAudioCodecInfo* audio = m_audio.Find("Windows Media Audio 9.2", "");
    ASSERT_NE(audio, nullptr);
    EXPECT_TRUE(audio->IsActivated());
    EXPECT_TRUE(audio->GetVirtual());
    EXPECT_FALSE(audio->GetLoad());
    EXPECT_TRUE(audio->IsSupported(200));
    EXPECT_TRUE(audio->IsSupported(252));
    auto* rate = audio->Find(44100);
    ASSERT_NE(rate, nullptr);
    ASSERT_NE(rate->Find(2), nullptr);
    ASSERT_NE(rate->Find(2)->Find(16), nullptr);
    EXPECT_NE(rate->Find(2)->Find(16)->Find(128000), nullptr);

    CVideoCodecInfo* video = m_video.Find("Windows Media Video 8", "");
    ASSERT_NE(video, nullptr);
    EXPECT_TRUE(video->IsActivated());
    EXPECT_EQ(video->GetBlockSize(), 4);
    EXPECT_EQ(video->GetEncoderControl(), 3); // constant bit rate and quality
}

TEST_F(WindowsMediaSystemTest, StreamsForWritingMatchTheWantedFormat)
{
    CWindowsMediaSystem2 system;
    auto audioFormat = [&](ULONG rate, unsigned short channels, ULONG bitrate, bool av) {
        TWmHeld<IWMStreamConfig> config(system.GetAudioStream("Windows Media Audio 9.2", rate, channels, 16, bitrate, av));
        WAVEFORMATEX wave{};
        if (config) wave = *CWmStreamFormat(config.get()).Wave();
        return wave;
    };
    WAVEFORMATEX wave = audioFormat(44100, 2, 128000, false);
    EXPECT_EQ(wave.nSamplesPerSec, 44100u);
    EXPECT_EQ(wave.nAvgBytesPerSec, 16000u);
    // Within 96 bit/s counts as the same bit rate.
    EXPECT_EQ(audioFormat(44100, 2, 128090, false).nAvgBytesPerSec, 16000u);
    EXPECT_EQ(audioFormat(44100, 2, 128200, false).nSamplesPerSec, 0u);
    EXPECT_EQ(audioFormat(11025, 2, 128000, false).nSamplesPerSec, 0u);
    EXPECT_EQ(system.GetAudioStream("No such codec", 44100, 2, 16, 128000, false), nullptr);

    TWmHeld<IWMStreamConfig> video(system.GetVideoStream("Windows Media Video 8", 2));
    ASSERT_TRUE(video);
    GUID type{};
    video->GetStreamType(&type);
    EXPECT_EQ(type, WMMEDIATYPE_Video);
    EXPECT_EQ(system.GetVideoStream("windows media video 8", 2), nullptr); // names match exactly
}

TEST_F(WindowsMediaSystemTest, WithoutTheSwitchThereIsNoRuntime)
{
    CDirectShowSystem2::sLoadWm = false;
    CWindowsMediaSystem2 system;
    EXPECT_EQ(system.GetProfileManager(), nullptr);
    EXPECT_EQ(system.GetProfiles().GetVersionCount(), 0);
    EXPECT_EQ(m_audio.Find("Windows Media Audio 9.2", ""), nullptr);
    EXPECT_EQ(system.GetAudioStream("Windows Media Audio 9.2", 44100, 2, 16, 128000, false), nullptr);
    EXPECT_EQ(system.GetVideoStream("Windows Media Video 8", 1), nullptr);
}

} // namespace
