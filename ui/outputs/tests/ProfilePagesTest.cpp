#include "CMediaOutput2.h"
#include "CRealProfilePanel.h"
#include "CRealSystem.h"
#include "CRegistry.h"
#include "CWmOutput2Controller.h"
#include "CWmOutput2Panel.h"
#include "OutputPageSupport.h"
#include "win32/TestHome.h"

#include <filesystem>
#include <fstream>
#include <memory>

namespace fs = std::filesystem;

namespace {

// The stand-in producer with three audiences: video only, audio only, and both.
class RealProducer {
public:
    RealProducer()
    {
        const std::string folder = m_home.Path() + "/producer";
        CRegistry registry("SDK", "Location");
        registry.SetCompany("Morvane");
        registry.SetApplication("RealMedia");
        registry.SetCurrentUser(false);
        registry.SetTextValue(folder.c_str());
        fs::create_directories(folder + "/tools");
        fs::copy_file(MV_FAKE_PRODUCER, folder + "/tools/encsession.dll", fs::copy_options::overwrite_existing);
        fs::create_directories(folder + "/audiences");
        std::ofstream(folder + "/audiences/a") << "Video 300k\nvideoStream\n";
        std::ofstream(folder + "/audiences/b") << "Audio 64k\naudioStream\n";
        std::ofstream(folder + "/audiences/c") << "Both 500k\naudioStream\nvideoStream\n";
        std::ofstream(folder + "/audiences/d") << "Audio 32k\naudioStream\n";
        system = std::make_unique<CRealSystem>();
    }

    std::unique_ptr<CRealSystem> system;

private:
    MvTestHome m_home;
};

using R = CRealProfilePanel;

class RealProfilePageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        ASSERT_EQ(CRealSystem::sSystem, producer.system.get());
        ASSERT_EQ(4, producer.system->GetProfileCount());
    }

    RealProducer producer;
    PageHost host;
    PageView view;
};

TEST_F(RealProfilePageTest, AnAudioOutputListsTheAudiencesWithoutVideoAndTakesTheFirstWithAudio)
{
    CMediaOutput2 output;
    output.SetWantsVideo(false);
    CRealProfilePanel page(1, nullptr);
    OpenPage(page, host, &output, view);
    EXPECT_EQ((std::vector<std::string>{"Audio 64k", "Audio 32k"}), view.Items(R::kProfile));
    EXPECT_EQ(CString("Audio 64k"), output.GetRealOutput().GetProfile());
    EXPECT_EQ("Audio 64k", view.Selected(R::kProfile));

    view.Pick(R::kProfile, "Audio 32k");
    EXPECT_EQ(CString("Audio 32k"), output.GetRealOutput().GetProfile());
    EXPECT_STREQ("Audio 32k", page.GetController()->GetText());

    // Video on: the profile is chosen again among the audiences with video.
    output.SetWantsVideo(true);
    EXPECT_EQ((std::vector<std::string>{"Video 300k", "Both 500k"}), view.Items(R::kProfile));
    EXPECT_EQ(CString("Video 300k"), output.GetRealOutput().GetProfile());
}

TEST_F(RealProfilePageTest, AStoredNameTheProducerLacksIsKeptAndShownByItsBeginning)
{
    CMediaOutput2 output;
    output.SetWantsVideo(false);
    output.GetRealOutput().SetProfile("Audio 6");
    CRealProfilePanel page(1, nullptr);
    OpenPage(page, host, &output, view);
    EXPECT_EQ(CString("Audio 64k"), output.GetRealOutput().GetProfile()) << "an unknown name takes the default";

    output.GetRealOutput().SetProfile("Audio 3");
    EXPECT_EQ("Audio 32k", view.Selected(R::kProfile));
    output.GetRealOutput().SetProfile("Radio");
    EXPECT_EQ("<none>", view.Selected(R::kProfile));
    EXPECT_EQ(CString("Radio"), output.GetRealOutput().GetProfile());
}

TEST(CRealProfileOutputController, WithoutTheProducerNothingIsListedOrSet)
{
    ASSERT_EQ(nullptr, CRealSystem::sSystem);
    ScopedEngineTables tables;
    PageHost host;
    ASSERT_TRUE(host.Make());
    CMediaOutput2 output;
    output.GetRealOutput().SetProfile("Audio 64k");
    CRealProfilePanel page(1, nullptr);
    OpenPage(page, host, &output);
    EXPECT_TRUE(PageView(page.m_hWnd).Items(R::kProfile).empty());
    EXPECT_STREQ("Audio 64k", page.GetController()->GetText());
}

// Profiles as the Windows Media runtime would list them, for the test's lifetime.
class ScopedWmProfiles {
public:
    ScopedWmProfiles()
    {
        m_versions = {{8, {{"Audio for dial-up", false}, {"Video for broadband", true}, {"Audio for CD", false}}},
                      {9, {{"Video 9 for LAN", true}, {"Audio for CD", false}, {"Audio 9 voice", false}}}};
        UWmProfiles::SetSource([this] { return &m_versions; });
    }
    ~ScopedWmProfiles() { UWmProfiles::SetSource(nullptr); }

private:
    std::vector<UWmProfiles::Version> m_versions;
};

using W = CWmOutput2Panel;

TEST(CWmOutput2Panel, ProfilesOfTheMatchingKindByVersion)
{
    ScopedWmProfiles profiles;
    PageHost host;
    ASSERT_TRUE(host.Make());
    CMediaOutput2 output;
    output.SetWantsVideo(false);
    output.GetWmOutput().SetVersion(5);
    CWmOutput2Panel page(1, nullptr);
    OpenPage(page, host, &output);
    PageView view(page.m_hWnd);
    EXPECT_EQ((std::vector<std::string>{"8", "9"}), view.Items(W::kVersion));
    EXPECT_EQ(8, output.GetWmOutput().GetVersion()) << "an unknown version becomes the first";
    EXPECT_EQ(CString("Audio for dial-up"), output.GetWmOutput().GetProfile());
    EXPECT_EQ((std::vector<std::string>{"Audio for dial-up", "Audio for CD"}), view.Items(W::kProfile));

    view.Pick(W::kProfile, "Audio for CD");
    view.Pick(W::kVersion, "9");
    EXPECT_EQ(CString("Audio for CD"), output.GetWmOutput().GetProfile()) << "the new version has one of that name";
    view.Pick(W::kProfile, "Audio 9 voice");
    view.Pick(W::kVersion, "8");
    EXPECT_EQ(CString("Audio for dial-up"), output.GetWmOutput().GetProfile());

    output.SetWantsVideo(true);
    EXPECT_EQ(CString("Video for broadband"), output.GetWmOutput().GetProfile());
    EXPECT_EQ((std::vector<std::string>{"Video for broadband"}), view.Items(W::kProfile));
    EXPECT_STREQ("Video for broadband", page.GetController()->GetText());
}

TEST(CWmOutput2Panel, WithoutTheRuntimeTheListsStayEmptyAndTheOutputUnchanged)
{
    PageHost host;
    ASSERT_TRUE(host.Make());
    CMediaOutput2 output;
    output.GetWmOutput().SetVersion(7);
    output.GetWmOutput().SetProfile("Kept");
    CWmOutput2Panel page(1, nullptr);
    OpenPage(page, host, &output);
    PageView view(page.m_hWnd);
    EXPECT_TRUE(view.Items(W::kVersion).empty());
    EXPECT_TRUE(view.Items(W::kProfile).empty());
    EXPECT_EQ(7, output.GetWmOutput().GetVersion());
    EXPECT_EQ(CString("Kept"), output.GetWmOutput().GetProfile());
}

} // namespace
