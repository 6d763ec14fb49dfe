// The preset and platform lists of the preset decisions and the portable player's queue:
// columns, what each row says, and the user's add, edit, remove and reordering actions.
#include "CConversionList.h"
#include "CConversionTargetListControl.h"
#include "CMediaConversionData.h"
#include "CMediaPlatformListControl.h"
#include "CPspConversionListControl.h"
#include "CTargetConversionNamePanel.h"
#include "CTargetDecisions.h"
#include "CTargetPlatform.h"
#include "CTargetPlatformSyncPanel.h"
#include "ListsTestSupport.h"
#include "OutputPageSupport.h"
#include "StackDialogSupport.h"

#include "win32/controls/CtlToolTip.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/MessageBox.h"

#include <map>
#include <memory>

namespace {

using Columns = std::vector<ListColumn>;
using Texts = std::vector<std::string>;

constexpr int kPageCombo = 11103;

int SelectedRow(HWND list)
{
    return static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// Counts the dialogs that open, ending each with Cancel, while it lives.
class ModalCounter {
public:
    ModalCounter()
    {
        MvSetModalHandler([this](HWND h) {
            ++opened;
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        });
    }
    ~ModalCounter() { MvSetModalHandler(nullptr); }
    int opened = 0;
};

class PresetListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tables.AddUsualCodecs();
        MvTakeShownMessageBoxes();
        decisions.CreateTarget("PSP", "Movie", kMediaTypeVideo);
        decisions.CreateTarget("PSP", "Music", kMediaTypeAudio);
        decisions.CreateTarget("iPod", "Photo", 8);
        decisions.CreateTarget("Zune", "Odd", 5);
        list.control.SetObject(&decisions);
    }
    std::vector<std::string> Names() { return list.View().Column(1); }
    HWND Hwnd() { return list.control.GetSafeHwnd(); }

    ScopedEngineTables tables;
    CTargetDecisions decisions;
    ListHost<CConversionTargetListControl> list;
};

TEST_F(PresetListTest, ShowsPlatformNameAndMediaOfEachPreset)
{
    ReportView view = list.View();
    EXPECT_EQ(view.Columns(), (Columns{{"Target", 80, false}, {"Name", 240, false}, {"Media", 80, false}}));
    ASSERT_EQ(view.Rows(), 4);
    EXPECT_EQ(view.Row(0), (Texts{"PSP", "Movie", "Video"}));
    EXPECT_EQ(view.Row(1), (Texts{"PSP", "Music", "Audio"}));
    EXPECT_EQ(view.Row(2), (Texts{"iPod", "Photo", "Image"}));
    EXPECT_EQ(view.Row(3), (Texts{"Zune", "Odd", "-"}));
    const std::vector<int> images{1, 0, 0, 0};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(list.control.GetObjectImage(decisions.GetTarget(row)), images[size_t(row)]) << row;
    EXPECT_EQ(std::string(list.control.GetObjectText(decisions.GetTarget(0), 3, false)), "-");
    EXPECT_EQ(std::string(list.control.GetObjectText(nullptr, 0, false)), "-");
    int width = 0, height = 0;
    EXPECT_EQ(11068u, list.control.GetImageListResource(width, height));
    EXPECT_EQ(16, width);
    EXPECT_EQ(15, height);
}

TEST_F(PresetListTest, AddTakesTheEditedPresetOnlyOnOkAndNeverTwice)
{
    auto script = [](const char* name, int answer) {
        MvScriptModal([=](HWND h) {
            PageView page(StackPageOf(h, "Name"));
            page.TypeAndCommit(CTargetConversionNamePanel::kPlatform, "Archos");
            page.TypeAndCommit(CTargetConversionNamePanel::kName, name);
            page.Pick(CTargetConversionNamePanel::kMedia, "Audio");
            PageView(h).Click(answer);
        });
    };
    script("Talk", IDCANCEL);
    list.control.Add();
    EXPECT_EQ(4, decisions.GetTargetCount());

    script("Talk", IDOK);
    list.control.Add();
    ASSERT_EQ(5, decisions.GetTargetCount());
    CTargetConversion* added = decisions.GetTarget(4);
    EXPECT_EQ("Archos", added->GetPlatform());
    EXPECT_EQ(kMediaTypeAudio, added->GetMediaType());
    EXPECT_FALSE(added->GetWantsVideo()) << "every edited field is copied, not only the key";
    EXPECT_EQ(list.View().Row(4), (Texts{"Archos", "Talk", "Audio"}));

    // The same platform, name and media type again: nothing is added and nothing is said.
    script("Talk", IDOK);
    list.control.Add();
    EXPECT_EQ(5, decisions.GetTargetCount());
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
}

TEST_F(PresetListTest, EditChangesTheSelectedPresetOnlyOnOk)
{
    {
        ModalCounter counter;
        list.control.Edit();
        EXPECT_EQ(0, counter.opened) << "nothing is selected";
    }
    list.View().Click(1);
    for (int answer : {IDCANCEL, IDOK}) {
        MvScriptModal([=](HWND h) {
            PageView(StackPageOf(h, "Name")).TypeAndCommit(CTargetConversionNamePanel::kName, "Songs");
            PageView(h).Click(answer);
        });
        list.control.Edit();
        EXPECT_EQ(answer == IDOK ? "Songs" : "Music", std::string(decisions.GetTarget(1)->GetName()));
        EXPECT_EQ(list.View().Text(1, 1), answer == IDOK ? "Songs" : "Music");
    }
}

TEST_F(PresetListTest, RemoveDeletesTheSelectedPreset)
{
    list.control.Remove();
    EXPECT_EQ(4, decisions.GetTargetCount()) << "nothing is selected";
    list.View().Click(2);
    list.control.Remove();
    EXPECT_EQ(Names(), (Texts{"Movie", "Music", "Odd"}));
}

TEST_F(PresetListTest, MovingReordersThePresetsAndKeepsTheRowSelected)
{
    struct Case {
        int row;
        bool up;
        Texts order;
        int selected;
    };
    const Case cases[] = {
        {0, true, {"Movie", "Music", "Photo", "Odd"}, 0},
        {3, false, {"Movie", "Music", "Photo", "Odd"}, 3},
        {2, true, {"Movie", "Photo", "Music", "Odd"}, 1},
        {1, false, {"Movie", "Music", "Photo", "Odd"}, 2},
        {0, false, {"Music", "Movie", "Photo", "Odd"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        list.control.SelectAll(false);
        list.View().Click(c.row);
        CPersistObject* moved = decisions.GetTarget(c.row);
        if (c.up)
            list.control.MoveUp();
        else
            list.control.MoveDown();
        EXPECT_EQ(Names(), c.order);
        ReportView view = list.View();
        EXPECT_EQ(view.SelectedCount(), 1);
        EXPECT_EQ(SelectedRow(Hwnd()), c.selected);
        ASSERT_NE(nullptr, list.control.GetSelection());
        EXPECT_EQ(moved, list.control.GetSelection()->GetObjectA());
    }
    EXPECT_EQ(4, decisions.GetTargetCount());
}

TEST_F(PresetListTest, TheListLetsGoOfDecisionsThatAreDeleted)
{
    auto doomed = std::make_unique<CTargetDecisions>();
    doomed->CreateTarget("PSP", "Movie", kMediaTypeVideo);
    ListHost<CConversionTargetListControl> other;
    other.control.SetObject(doomed.get());
    ASSERT_EQ(other.View().Rows(), 1);
    other.View().Click(0);
    doomed.reset();
    MvPumpUntilIdle();
    EXPECT_EQ(other.View().Rows(), 0);
    other.control.Remove();
    other.control.MoveDown();
    ModalCounter counter;
    other.control.Add();
    EXPECT_EQ(0, counter.opened);
}

class PlatformListTest : public ::testing::Test {
protected:
    // Counts the row redraws of each platform.
    class Spy : public CMediaPlatformListControl {
    public:
        void RefreshOneDisplay(CObjectDisplay* display) override
        {
            ++redraws[display->GetObjectA()];
            CMediaPlatformListControl::RefreshOneDisplay(display);
        }
        std::map<CPersistObject*, int> redraws;
    };

    void SetUp() override
    {
        MvTakeShownMessageBoxes();
        decisions.CreatePlatform("PSP")->SetCanSync(true);
        decisions.CreatePlatform("Zune")->SetActive(false);
        decisions.CreatePlatform("iPod");
        decisions.CreateTarget("PSP", "Movie", kMediaTypeVideo);
        decisions.CreateTarget("Zune", "Music", kMediaTypeAudio);
        list.control.SetObject(&decisions);
    }
    std::vector<std::string> Names() { return list.View().Column(0); }

    CTargetDecisions decisions;
    ListHost<Spy> list;
};

TEST_F(PlatformListTest, ShowsNameSyncAndActiveOfEachPlatform)
{
    ReportView view = list.View();
    EXPECT_EQ(view.Columns(), (Columns{{"Platform", 160, false}, {"Sync", 80, true}, {"Active", 80, true}}));
    ASSERT_EQ(view.Rows(), 3);
    EXPECT_EQ(view.Row(0), (Texts{"PSP", "Sync", "Active"}));
    EXPECT_EQ(view.Row(1), (Texts{"Zune", "", ""}));
    EXPECT_EQ(view.Row(2), (Texts{"iPod", "", "Active"}));
    EXPECT_EQ(list.control.GetObjectImage(decisions.GetPlatform(0)), 0);
    EXPECT_EQ(std::string(list.control.GetObjectText(decisions.GetPlatform(0), 3, false)), "Error");
    EXPECT_EQ(std::string(list.control.GetObjectText(nullptr, 1, false)), "-");
}

TEST_F(PlatformListTest, ARowIsRedrawnWhenItsNameSyncOrActiveFlagChanges)
{
    CTargetPlatform* zune = decisions.GetPlatform(1);
    int expected = list.control.redraws[zune];
    for (auto change : std::vector<std::function<void()>>{[&] { zune->SetName("Zune HD"); },
                                                          [&] { zune->SetCanSync(true); },
                                                          [&] { zune->SetActive(true); }}) {
        change();
        EXPECT_EQ(++expected, list.control.redraws[zune]);
    }
    zune->SetNotes("Not shown in the list");
    EXPECT_EQ(expected, list.control.redraws[zune]);
    EXPECT_EQ(list.View().Row(1), (Texts{"Zune HD", "Sync", "Active"}));
}

TEST_F(PlatformListTest, AddTakesANewNameOnlyAndEditChangesTheSelectedPlatform)
{
    auto script = [](const char* playList, int answer) {
        MvScriptModal([=](HWND h) {
            EXPECT_EQ((std::vector<std::string>{"Sync", "Notes"}), PageView(h).Items(kPageCombo));
            PageView(StackPageOf(h, "Sync")).TypeAndCommit(CTargetPlatformSyncPanel::kPlayList, playList);
            PageView(h).Click(answer);
        });
    };
    // The dialog cannot name a platform, so a new one keeps the empty name, once.
    script("Travel", IDOK);
    list.control.Add();
    ASSERT_EQ(4, decisions.GetPlatformCount());
    EXPECT_EQ("Travel", std::string(decisions.GetPlatform(3)->GetDefaultPlayList()));
    script("Again", IDOK);
    list.control.Add();
    EXPECT_EQ(4, decisions.GetPlatformCount());
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());

    list.View().Click(0);
    script("Road", IDCANCEL);
    list.control.Edit();
    EXPECT_EQ("Quorlan", std::string(decisions.GetPlatform(0)->GetDefaultPlayList()));
    script("Road", IDOK);
    list.control.Edit();
    EXPECT_EQ("Road", std::string(decisions.GetPlatform(0)->GetDefaultPlayList()));
}

TEST_F(PlatformListTest, RemovingAPlatformKeepsItsPresets)
{
    list.View().Click(0);
    list.control.Remove();
    EXPECT_EQ(Names(), (Texts{"Zune", "iPod"}));
    EXPECT_EQ(2, decisions.GetTargetCount());
    EXPECT_EQ("PSP", std::string(decisions.GetTarget(0)->GetPlatform()));
}

TEST_F(PlatformListTest, MovingReordersThePlatformsWithoutMakingNewOnes)
{
    list.View().Click(0);
    list.control.MoveUp();
    EXPECT_EQ(Names(), (Texts{"PSP", "Zune", "iPod"}));
    list.control.MoveDown();
    EXPECT_EQ(Names(), (Texts{"Zune", "PSP", "iPod"}));
    list.control.MoveDown();
    EXPECT_EQ(Names(), (Texts{"Zune", "iPod", "PSP"}));
    list.control.MoveDown();
    EXPECT_EQ(Names(), (Texts{"Zune", "iPod", "PSP"}));
    EXPECT_EQ(decisions.GetPlatform(2), list.control.GetSelection()->GetObjectA());
    EXPECT_EQ(3, decisions.GetPlatformCount());
}

TEST_F(PlatformListTest, TheToolTipShowsTheTextOfTheCellUnderTheMouse)
{
    ASSERT_NE(nullptr, list.control.GetToolTip().GetSafeHwnd());
    CRect cell;
    ASSERT_TRUE(list.control.GetSubItemRect(1, 0, LVIR_LABEL, cell));
    ::PostMessageA(list.control.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(cell.left + 4, cell.top + 3));
    MvPumpUntilIdle();
    EXPECT_EQ("Zune", CtlModelAs<CtlToolTip>(list.control.GetToolTip().GetSafeHwnd())->ShownText());
}

TEST(PspConversionListControl, ShowsTheQueueWithoutSizesAndNamesNoFailure)
{
    CConversionList conversions;
    auto* data = new CMediaConversionData;
    DescribeFile(data->GetInput(), {"/films/film.avi", 640, 480, 29.97, 44100, 2, 16});
    data->GetInput().SetDuration(3725);
    data->GetInput().GetOutputFile().SetFilePath("/out/film.mp4");
    conversions.AddFile(data);
    ListHost<CPspConversionListControl> list;
    list.control.SetObject(&conversions);
    ReportView view = list.View();
    EXPECT_EQ(view.Columns(), (Columns{{"Original file", 160, false},
                                       {"Duration", 80, true},
                                       {"Video", 100, true},
                                       {"Audio", 100, true},
                                       {"Save to", 160, false},
                                       {"Status", 80, true}}));
    CMediaFile2& input = data->GetInput();
    EXPECT_EQ(view.Row(0), (Texts{"film.avi", "1:02:05", std::string(input.GetVideoSummary()),
                                  std::string(input.GetAudioSummary()), "film.mp4", "Ready"}));
    EXPECT_EQ(std::string(list.control.GetObjectText(data, 0, true)), "/films/film.avi");
    EXPECT_EQ(std::string(list.control.GetObjectText(data, 6, false)), "Error");
    EXPECT_EQ(std::string(list.control.GetObjectText(nullptr, 3, false)), "-");

    const std::map<LONG, std::string> statuses{{0, "Ready"},     {1, "Converting"}, {2, "Converted"},
                                                {3, "Canceled"}, {4, "-"},          {7, "-"}};
    for (const auto& [status, text] : statuses) {
        input.SetStatus(status);
        EXPECT_EQ(text, std::string(list.control.GetObjectText(data, 5, false))) << status;
    }
}

} // namespace
