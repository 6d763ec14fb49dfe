#include "CTargetConversion.h"
#include "CTargetConversionNamePanel.h"
#include "CTargetConversionVideoPanel.h"
#include "CTargetPlatform.h"
#include "CTargetPlatformInfoPanel.h"
#include "CTargetPlatformNotesPanel.h"
#include "CTargetPlatformSyncPanel.h"
#include "OutputPageSupport.h"
#include "win32/controls/CtlEdit.h"

#include <map>

namespace {

using C = CTargetConversionController;

// A dependent page of the preset pages that remembers what it was last bound to.
class BoundPage : public CObjectPanel {
public:
    BoundPage() : CObjectPanel(0, nullptr) {}
    void SetupController() override {}
    void SetObject(CPersistObject* object) override { bound = object; }
    CPersistObject* bound = nullptr;
};

class TwentyPages {
public:
    void GiveTo(CTargetConversionNamePanel& page)
    {
        page.SetPanels(&p[0], &p[1], &p[2], &p[3], &p[4], &p[5], &p[6], &p[7], &p[8], &p[9], &p[10], &p[11], &p[12],
                       &p[13], &p[14], &p[15], &p[16], &p[17], &p[18], &p[19]);
    }
    std::vector<C::EPage> Enabled()
    {
        std::vector<C::EPage> enabled;
        for (int i = 0; i < C::kPageCount; ++i)
            if (p[i].IsEnabled()) enabled.push_back(C::EPage(i));
        return enabled;
    }
    BoundPage& operator[](C::EPage page) { return p[page]; }

    BoundPage p[C::kPageCount];
};

// What each page must be bound to: the preset, one of its tracks, or nothing.
void ExpectBindings(TwentyPages& pages, const std::map<C::EPage, CPersistObject*>& expected)
{
    for (int i = 0; i < C::kPageCount; ++i) {
        auto found = expected.find(C::EPage(i));
        EXPECT_EQ(found == expected.end() ? nullptr : found->second, pages.p[i].bound) << "page " << i;
    }
}

class TargetPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        preset.SetPlatform("PSP");
        preset.SetName("Movie");
        preset.SetNotes("For the small screen.");
        preset.SetDirectory("Videos");
    }

    PageHost host;
    CTargetConversion preset;
};

TEST_F(TargetPagesTest, TheNamePageShowsThePresetAndStoresWhatIsTyped)
{
    CTargetConversionNamePanel page(0, nullptr);
    PageView view;
    OpenPage(page, host, &preset, view);
    using P = CTargetConversionNamePanel;
    EXPECT_EQ("PSP", view.WindowText(P::kPlatform));
    EXPECT_EQ("Movie", view.WindowText(P::kName));
    EXPECT_EQ("For the small screen.", view.WindowText(P::kNotes));
    EXPECT_EQ("Videos", view.WindowText(P::kDirectory));
    EXPECT_EQ((std::vector<std::string>{"Video", "Audio"}), view.Items(P::kMedia));
    EXPECT_EQ("Video", view.Selected(P::kMedia));
    EXPECT_STREQ("PSP, Movie", page.GetTargetController().GetText());

    view.TypeAndCommit(P::kPlatform, "iPod");
    view.TypeAndCommit(P::kName, "Clip");
    EXPECT_EQ("iPod", preset.GetPlatform());
    EXPECT_EQ("Clip", preset.GetName());
    EXPECT_STREQ("iPod, Clip", page.GetTargetController().GetText());

    // A change made elsewhere reaches the fields.
    preset.SetNotes("Other notes");
    EXPECT_EQ("Other notes", view.WindowText(P::kNotes));
}

TEST_F(TargetPagesTest, TheDirectoryKeepsItsLineBreaksAndShowsWhatThePresetStored)
{
    CTargetConversionNamePanel page(0, nullptr);
    PageView view;
    OpenPage(page, host, &preset, view);
    using P = CTargetConversionNamePanel;
    CtlEdit* edit = CtlModelAs<CtlEdit>(view.Item(P::kDirectory));
    ::SetFocus(view.Item(P::kDirectory));
    edit->UserSelect(0, -1);
    edit->UserType(std::string_view("Movies\r\nPortable"));
    // Leaving the field commits it.
    ::SetFocus(view.Item(P::kName));
    MvPumpUntilIdle();
    EXPECT_EQ("Movies\r\nPortable", preset.GetDirectory());
    preset.SetDirectory("Elsewhere\r\nDeeper");
    EXPECT_EQ("Elsewhere\r\nDeeper", view.WindowText(P::kDirectory));
}

TEST_F(TargetPagesTest, BindingAnAudioPresetLeavesOnlyTheAudioPagesOn)
{
    TwentyPages pages;
    CTargetConversionNamePanel page(0, nullptr);
    pages.GiveTo(page);
    preset.SetMediaType(kMediaTypeAudio);
    OpenPage(page, host, &preset);
    EXPECT_EQ((std::vector<C::EPage>{C::kAudioTypePage, C::kMinAudioPage}), pages.Enabled());
    ExpectBindings(pages,
                   {{C::kAudioTypePage, &preset},
                    {C::kWmPage, &preset},
                    {C::kRealPage, &preset},
                    {C::kMaxAudioPage, &preset},
                    {C::kAudioComplexityPage, preset.GetAudioOutput(0)},
                    {C::kMinAudioPage, &preset}});
}

TEST_F(TargetPagesTest, BindingAVideoPresetBindsTheVideoPagesToTheirOutputs)
{
    TwentyPages pages;
    CTargetConversionNamePanel page(0, nullptr);
    pages.GiveTo(page);
    OpenPage(page, host, &preset);
    // The type pages enable their own dependents.
    EXPECT_EQ((std::vector<C::EPage>{C::kVideoTypePage, C::kMinVideoPage, C::kMinAudioPage}), pages.Enabled());
    std::map<C::EPage, CPersistObject*> expected;
    for (int i = 0; i < C::kPageCount; ++i) expected[C::EPage(i)] = &preset;
    expected[C::kAudioTypePage] = nullptr;
    expected[C::kVideoComplexityPage] = preset.GetVideoOutput(0);
    expected[C::kFrameRatePage] = preset.GetVideoOutput(0);
    expected[C::kAudioComplexityPage] = preset.GetAudioOutput(0);
    ExpectBindings(pages, expected);
}

TEST_F(TargetPagesTest, ChoosingAudioInTheMediaComboSwitchesThePagesAtOnce)
{
    TwentyPages pages;
    CTargetConversionNamePanel page(0, nullptr);
    pages.GiveTo(page);
    PageView view;
    OpenPage(page, host, &preset, view);
    view.Pick(CTargetConversionNamePanel::kMedia, "Audio");
    EXPECT_EQ(kMediaTypeAudio, preset.GetMediaType());
    EXPECT_FALSE(preset.GetWantsVideo());
    EXPECT_EQ((std::vector<C::EPage>{C::kAudioTypePage, C::kMinAudioPage}), pages.Enabled());
    EXPECT_EQ(nullptr, pages[C::kVideoTypePage].bound);
    EXPECT_EQ(&preset, pages[C::kAudioTypePage].bound);

    // Picking the type it has already leaves the preset and the pages as they are.
    view.Pick(CTargetConversionNamePanel::kMedia, "Audio");
    EXPECT_EQ("Audio", view.Selected(CTargetConversionNamePanel::kMedia));
    EXPECT_EQ(kMediaTypeAudio, preset.GetMediaType());
    EXPECT_EQ((std::vector<C::EPage>{C::kAudioTypePage, C::kMinAudioPage}), pages.Enabled());
    EXPECT_EQ(&preset, pages[C::kAudioTypePage].bound);

    view.Pick(CTargetConversionNamePanel::kMedia, "Video");
    EXPECT_TRUE(preset.GetWantsVideo());
    EXPECT_EQ((std::vector<C::EPage>{C::kVideoTypePage, C::kMinVideoPage, C::kMinAudioPage}), pages.Enabled());
    EXPECT_EQ(preset.GetVideoOutput(0), pages[C::kFrameRatePage].bound);
}

TEST_F(TargetPagesTest, AnyOtherMediaTypeLeavesEveryPageOffAndUnbound)
{
    TwentyPages pages;
    CTargetConversionNamePanel page(0, nullptr);
    pages.GiveTo(page);
    preset.SetMediaType(8);
    PageView view;
    OpenPage(page, host, &preset, view);
    EXPECT_TRUE(pages.Enabled().empty());
    ExpectBindings(pages, {});
    EXPECT_EQ("<none>", view.Selected(CTargetConversionNamePanel::kMedia));
}

TEST_F(TargetPagesTest, UnbindingThePresetUnbindsAndDisablesThePages)
{
    TwentyPages pages;
    CTargetConversionNamePanel page(0, nullptr);
    pages.GiveTo(page);
    OpenPage(page, host, &preset);
    page.SetObject(nullptr);
    EXPECT_TRUE(pages.Enabled().empty());
    ExpectBindings(pages, {});
    EXPECT_STREQ("", page.GetTargetController().GetText());
}

TEST_F(TargetPagesTest, NumbersAreStoredAsTheirLeadingIntegerAndShownAsStored)
{
    using P = CTargetConversionVideoPanel;
    struct Case {
        int field;
        const char* typed;
        ULONG stored;
        const char* shown;
    };
    const Case cases[] = {
        {P::kMaxBitrate, "abc", 0, "0"},
        {P::kMaxBitrate, "1500 kbit", 1500, "1500"},
        {P::kMaxPixels, "76800", 76800, "76800"},
        {P::kMinPixels, "4800", 4800, "4800"},
        {P::kHorizontalAlignment, "16", 16, "16"},
        {P::kVerticalAlignment, "8", 8, "8"},
        // Out of the property's range the value stops at its edge instead of wrapping round.
        {P::kMaxBitrate, "-5", 0, "0"},
        {P::kHorizontalAlignment, "70000", 65535, "65535"},
    };
    CTargetConversionVideoPanel page(0, nullptr);
    PageView view;
    OpenPage(page, host, &preset, view);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        view.TypeAndCommit(c.field, c.typed);
        const ULONG stored = c.field == P::kMaxBitrate            ? preset.GetMaxBitrate()
                             : c.field == P::kMaxPixels           ? preset.GetMaxVideoPixels()
                             : c.field == P::kMinPixels           ? preset.GetMinVideoPixels()
                             : c.field == P::kHorizontalAlignment ? preset.GetHorizontalAlignment()
                                                                  : preset.GetVerticalAlignment();
        EXPECT_EQ(c.stored, stored);
        EXPECT_EQ(c.shown, view.WindowText(c.field));
    }
}

TEST_F(TargetPagesTest, AnUnchangedNumberIsShownAgainAsStored)
{
    CTargetConversionVideoPanel page(0, nullptr);
    PageView view;
    OpenPage(page, host, &preset, view);
    // "800000 bits" leaves the stored 800000 unchanged, so the field shows the number alone.
    view.TypeAndCommit(CTargetConversionVideoPanel::kMaxBitrate, "800000 bits");
    EXPECT_EQ(800000u, preset.GetMaxBitrate());
    EXPECT_EQ("800000", view.WindowText(CTargetConversionVideoPanel::kMaxBitrate));
}

TEST_F(TargetPagesTest, PixelCountsOfZeroShowTheOutputsSizes)
{
    preset.GetVideoOutput(0)->GetVideoInfo().SetWidth(320);
    preset.GetVideoOutput(0)->GetVideoInfo().SetHeight(240);
    preset.GetVideoOutput(1)->GetVideoInfo().SetWidth(160);
    preset.GetVideoOutput(1)->GetVideoInfo().SetHeight(120);
    CTargetConversionVideoPanel page(0, nullptr);
    PageView view;
    OpenPage(page, host, &preset, view);
    EXPECT_EQ("76800", view.WindowText(CTargetConversionVideoPanel::kMaxPixels));
    EXPECT_EQ("19200", view.WindowText(CTargetConversionVideoPanel::kMinPixels));
    preset.SetMaxVideoPixels(100000);
    EXPECT_EQ("100000", view.WindowText(CTargetConversionVideoPanel::kMaxPixels));
}

TEST_F(TargetPagesTest, TheChecksSetTheFlagsAndFollowThem)
{
    using P = CTargetConversionVideoPanel;
    CTargetConversionVideoPanel page(0, nullptr);
    PageView view;
    preset.SetAutoRotation(true);
    OpenPage(page, host, &preset, view);
    EXPECT_FALSE(view.Checked(P::kDiscreteResolution));
    EXPECT_TRUE(view.Checked(P::kAutoRotation));
    view.Click(P::kDiscreteResolution);
    view.Click(P::kDiscreteFrameRate);
    view.Click(P::kAutoRotation);
    EXPECT_TRUE(preset.GetDiscreteVideo());
    EXPECT_TRUE(preset.GetDiscreteFrameRate());
    EXPECT_FALSE(preset.GetAutoRotation());
    preset.SetDiscreteVideo(false);
    EXPECT_FALSE(view.Checked(P::kDiscreteResolution));
    // The video page edits the limits only: the media type and its pages are the name page's.
    EXPECT_EQ(nullptr, view.Item(CTargetConversionNamePanel::kMedia));
}

class PlatformPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        platform.SetName("Zune");
        platform.SetNotes("Needs the desktop software.");
    }

    PageHost host;
    CTargetPlatform platform;
};

TEST_F(PlatformPagesTest, TheSyncPageEditsEverythingButTheName)
{
    using P = CTargetPlatformSyncPanel;
    CTargetPlatformSyncPanel page(0, nullptr);
    PageView view;
    OpenPage(page, host, &platform, view);
    EXPECT_EQ("Zune", view.WindowText(P::kName));
    EXPECT_NE(0u, ::GetWindowLongA(view.Item(P::kName), GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(view.Checked(P::kCanSync));
    EXPECT_TRUE(view.Checked(P::kActive));
    EXPECT_EQ("Quorlan", view.WindowText(P::kPlayList));
    EXPECT_EQ("Sync to device.", view.WindowText(P::kSyncText));

    view.Click(P::kCanSync);
    view.Click(P::kActive);
    view.TypeAndCommit(P::kPlayList, "Travel");
    EXPECT_TRUE(platform.GetCanSync());
    EXPECT_FALSE(platform.GetActive());
    EXPECT_EQ("Travel", platform.GetDefaultPlayList());

    platform.SetName("Zune HD");
    platform.SetSyncText("Copy to the player");
    EXPECT_EQ("Zune HD", view.WindowText(P::kName));
    EXPECT_EQ("Copy to the player", view.WindowText(P::kSyncText));
    EXPECT_STREQ("Zune HD", page.GetController()->GetText());
}

TEST_F(PlatformPagesTest, TheNotesPageEditsTheNotes)
{
    CTargetPlatformNotesPanel page(0, nullptr);
    PageView view;
    OpenPage(page, host, &platform, view);
    EXPECT_EQ("Needs the desktop software.", view.WindowText(CTargetPlatformNotesPanel::kNotes));
    ::SetFocus(view.Item(CTargetPlatformNotesPanel::kNotes));
    CtlEdit* edit = CtlModelAs<CtlEdit>(view.Item(CTargetPlatformNotesPanel::kNotes));
    edit->UserSelect(0, -1);
    edit->UserType(std::string_view("Line one\r\nLine two"));
    ::SetFocus(host.m_hWnd);
    MvPumpUntilIdle();
    EXPECT_EQ("Line one\r\nLine two", platform.GetNotes());
}

TEST_F(PlatformPagesTest, TheInformationPageShowsTheNotesUnderAFixedSummary)
{
    CTargetPlatformInfoPanel page(0, nullptr);
    PageView view;
    EXPECT_STREQ("Expand for additional information.", page.GetController()->GetText()) << "unbound";
    OpenPage(page, host, &platform, view);
    EXPECT_EQ("Needs the desktop software.", view.WindowText(CTargetPlatformInfoPanel::kNotes));
    platform.SetNotes("");
    EXPECT_EQ("", view.WindowText(CTargetPlatformInfoPanel::kNotes));
    EXPECT_STREQ("Expand for additional information.", page.GetController()->GetText());
}

TEST_F(PlatformPagesTest, ThePagesRefuseOtherRecords)
{
    CTargetConversion preset;
    CTargetPlatformSyncPanel sync(0, nullptr);
    CTargetConversionNamePanel name(0, nullptr);
    OpenPage(sync, host, &preset);
    OpenPage(name, host, &platform);
    EXPECT_EQ(nullptr, sync.GetObject());
    EXPECT_EQ(nullptr, name.GetObject());
}

} // namespace
