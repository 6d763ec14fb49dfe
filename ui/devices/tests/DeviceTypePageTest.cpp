#include "CDeviceProfilePanel.h"
#include "CDeviceQualityPanel.h"
#include "CPortableMediaConversion.h"
#include "CQuorlanData.h"
#include "CQuorlanDeviceTypePanel.h"
#include "CSaveDir2Panel.h"
#include "CSyncOptionPanel.h"
#include "CTargetPlatformInfoPanel.h"
#include "DevicePageSupport.h"
#include "OutputPageSupport.h"

namespace {

using P = CQuorlanDeviceTypePanel;

class DeviceTypePageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        catalogue.AddPlatform("Pocket", true, true, "Connect by cable.");
        catalogue.AddPlatform("Retired", false);
        catalogue.AddPlatform("");
        catalogue.AddPlatform("Phone");
        catalogue.AddPreset("Pocket", "Pocket audio", kMediaTypeAudio);
        catalogue.AddPreset("Pocket", "Pocket video", kMediaTypeVideo, 700000);
        catalogue.AddPreset("Pocket", "Pocket video 2", kMediaTypeVideo);
        catalogue.AddPreset("Phone", "Phone video", kMediaTypeVideo);
        catalogue.AddPreset("Phone", "Phone audio", kMediaTypeAudio);
    }
    void OpenWithPanels()
    {
        for (CResourceObjectPanel* dependent :
             std::initializer_list<CResourceObjectPanel*>{&profile, &quality, &folder, &sync, &info})
            ASSERT_TRUE(dependent->CreateInWindow(&host));
        page.SetPanels(&profile, &quality, &folder, &sync, &info);
        OpenPage(page, host, &data, view);
    }

    ScopedTargetDecisions catalogue;
    PageHost host;
    PageView view;
    CQuorlanData data;
    CDeviceProfilePanel profile{1, nullptr};
    CDeviceQualityPanel quality{1, nullptr};
    CSaveDir2Panel folder{1, nullptr};
    CSyncOptionPanel sync{1, nullptr};
    CTargetPlatformInfoPanel info{1, nullptr};
    P page{1, nullptr};
};

TEST_F(DeviceTypePageTest, OnlyActiveNamedPlatformsAreOfferedUnlessAFilterNamesOne)
{
    OpenPage(page, host, &data, view);
    EXPECT_EQ((std::vector<std::string>{"Pocket", "Phone"}), view.Items(P::kDeviceType));
    EXPECT_EQ("<none>", view.Selected(P::kDeviceType));
    EXPECT_EQ(0, data.GetDeviceCount()) << "no settings are made before a device is chosen";
    EXPECT_EQ(CBS_DROPDOWN, ::GetWindowLongA(view.Item(P::kDeviceType), GWL_STYLE) & 3) << "the user may type a name";

    page.SetFilter("Retired");
    page.GetController()->Refresh();
    EXPECT_EQ((std::vector<std::string>{"Retired"}), view.Items(P::kDeviceType));
}

TEST_F(DeviceTypePageTest, ChoosingADeviceMakesItsSettingsAndBindsTheDependentPages)
{
    OpenWithPanels();
    view.Pick(P::kDeviceType, "Pocket");
    EXPECT_STREQ("Pocket", data.GetDevice());
    CPortableMediaConversion* pocket = data.FindDevice("Pocket");
    ASSERT_NE(nullptr, pocket);
    EXPECT_STREQ("Pocket video", pocket->GetVideoTarget()) << "the platform's first video preset";
    EXPECT_STREQ("Pocket audio", pocket->GetAudioTarget());
    EXPECT_EQ(pocket, profile.GetObject());
    EXPECT_EQ(pocket, quality.GetObject());
    EXPECT_EQ(&pocket->GetSaveDir(), folder.GetObject());
    EXPECT_EQ(pocket, sync.GetObject()) << "the platform can sync";
    EXPECT_EQ(catalogue.decisions.FindPlatform("Pocket"), info.GetObject()) << "the platform has notes";
    EXPECT_EQ("Connect by cable.", PageView(info.m_hWnd).WindowText(CTargetPlatformInfoPanel::kNotes));
    EXPECT_STREQ("Pocket", page.GetController()->GetText());

    view.Pick(P::kDeviceType, "Phone");
    CPortableMediaConversion* phone = data.FindDevice("Phone");
    ASSERT_NE(nullptr, phone);
    EXPECT_EQ(phone, profile.GetObject());
    EXPECT_EQ(nullptr, sync.GetObject()) << "the platform cannot sync";
    EXPECT_EQ(nullptr, info.GetObject()) << "the platform has no notes";
    EXPECT_EQ(2, data.GetDeviceCount());

    // Back to the first: its settings are kept, not made again.
    data.SetDevice("Pocket");
    EXPECT_EQ("Pocket", view.Selected(P::kDeviceType));
    EXPECT_EQ(pocket, profile.GetObject());
    EXPECT_EQ(2, data.GetDeviceCount());
}

TEST_F(DeviceTypePageTest, EmptyPresetNamesAreFilledAndNewPanelsReplaceTheOld)
{
    // Settings made while their platform had no presets yet.
    auto* tablet = new CPortableMediaConversion;
    tablet->SetName("Tablet");
    data.AddDevice(tablet);
    ASSERT_TRUE(tablet->GetVideoTarget().IsEmpty());
    catalogue.AddPlatform("Tablet");
    catalogue.AddPreset("Tablet", "Tablet audio", kMediaTypeAudio);
    catalogue.AddPreset("Tablet", "Tablet video", kMediaTypeVideo);
    data.SetDevice("Tablet");
    OpenWithPanels();
    EXPECT_STREQ("Tablet video", tablet->GetVideoTarget());
    EXPECT_STREQ("Tablet audio", tablet->GetAudioTarget());
    EXPECT_EQ("Tablet", view.Selected(P::kDeviceType));
    EXPECT_EQ(tablet, profile.GetObject());

    BindingRecorder other;
    page.SetPanels(&other, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(nullptr, profile.GetObject()) << "a replaced page is unbound";
    EXPECT_EQ(nullptr, quality.GetObject());
    data.SetDevice("Pocket");
    EXPECT_EQ(data.FindDevice("Pocket"), other.bound);
    page.SetPanels(nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(nullptr, other.bound);
}

} // namespace
