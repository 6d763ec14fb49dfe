#include "CListener.h"
#include "CSpeechControl.h"
#include "CSpeechController.h"
#include "CSpeechPanel.h"
#include "CSpeechSystem.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CSliderCtrl.h"
#include "afx/windows/CWnd.h"
#include "com/ComRuntime.h"
#include "sapi/SpeechEngine.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlComboBox.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/CtlTrackbar.h"
#include "win32/controls/CtlUser.h"
#include "win32/controls/CtlWindow.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// Voices as an engine lists them, out of alphabetical order.
class ListedVoices : public CSpeechEngine {
public:
    uint32_t SampleRate() const override { return 16000; }
    std::vector<CEngineVoice> Voices() override { return voices; }
    bool Synthesize(const std::u32string&, const std::string&, int, const Sink&) override { return false; }
    std::vector<CEngineVoice> voices = {{"z", "Zeta"}, {"a", "alpha"}, {"m", "Mike"}};
};

class NoticeLog : public CListener {
public:
    bool Respond(long code, CBroadcaster*, long, long) override
    {
        codes.push_back(code);
        return true;
    }
    std::vector<long> codes;
};

class Host : public CWnd {
public:
    bool Make()
    {
        return CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0) != FALSE;
    }
    ~Host() override
    {
        if (m_hWnd) DestroyWindow();
        MvPumpUntilIdle();
        AfxDeleteTempMaps();
    }
};

class SpeechPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        CSpeechEngine::SetCurrent(&engine);
        system = std::make_unique<CSpeechSystem>();
        ASSERT_TRUE(host.Make());
    }
    void TearDown() override
    {
        if (panel) {
            if (panel->m_hWnd) panel->DestroyWindow();
            panel.reset();
        }
        system.reset();
        CSpeechEngine::SetCurrent(nullptr);
        CoUninitialize();
    }

    // The page as the main window shows it, bound to the record.
    void Open(CSpeechControl* record)
    {
        panel = std::make_unique<CSpeechPanel>(&host);
        ASSERT_TRUE(panel->CreateInWindow(&host));
        panel->ShowWindow(SW_SHOW);
        panel->SetObject(record);
        MvPumpUntilIdle();
        combo = CtlModelAs<CtlComboBox>(Item(CSpeechPanel::kVoiceCombo));
        speed = CtlModelAs<CtlTrackbar>(Item(CSpeechPanel::kSpeedSlider));
        volume = CtlModelAs<CtlTrackbar>(Item(CSpeechPanel::kVolumeSlider));
        ASSERT_TRUE(combo && speed && volume);
    }
    HWND Item(int id) { return ::GetDlgItem(panel->m_hWnd, id); }
    std::vector<std::string> ComboItems()
    {
        std::vector<std::string> items;
        CComboBox* box = static_cast<CComboBox*>(CWnd::FromHandle(Item(CSpeechPanel::kVoiceCombo)));
        for (int i = 0; i < box->GetCount(); ++i) {
            CString text;
            box->GetLBText(i, text);
            items.emplace_back(text.GetString());
        }
        return items;
    }
    std::string SelectedVoice()
    {
        CComboBox* box = static_cast<CComboBox*>(CWnd::FromHandle(Item(CSpeechPanel::kVoiceCombo)));
        if (box->GetCurSel() < 0) return "<none>";
        CString text;
        box->GetLBText(box->GetCurSel(), text);
        return text.GetString();
    }
    // Presses the thumb, drags it to the point of a position and lets go, through the
    // window's queue; answers where the thumb came to rest (a pixel may round it by one).
    LONG Drag(CtlTrackbar* slider, LONG to)
    {
        CtlUserDrag(slider->Window(), slider->PointOf(slider->Pos()), slider->PointOf(to));
        MvPumpUntilIdle();
        EXPECT_NEAR(to, slider->Pos(), 1);
        return slider->Pos();
    }
    void Pick(const std::string& voice)
    {
        const std::vector<std::string> items = ComboItems();
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i] == voice) combo->UserPick(static_cast<int>(i));
        MvPumpUntilIdle();
    }

    ListedVoices engine;
    std::unique_ptr<CSpeechSystem> system;
    Host host;
    std::unique_ptr<CSpeechPanel> panel;
    CtlComboBox* combo = nullptr;
    CtlTrackbar* speed = nullptr;
    CtlTrackbar* volume = nullptr;
};

TEST_F(SpeechPanelTest, TheTemplateHoldsLabelledVoiceComboAndTwoSliders)
{
    CSpeechControl record;
    Open(&record);
    struct Expected {
        int id;
        const char* className;
        const char* text;
        DWORD style;
    } items[] = {
        {20000, "Static", "Voice", 0},
        {20001, "ComboBox", "", CBS_DROPDOWN | CBS_SORT | WS_VSCROLL},
        {20002, "Static", "Speed", 0},
        {20003, TRACKBAR_CLASS, "", TBS_BOTH | TBS_NOTICKS},
        {20004, "Static", "Volume", 0},
        {20005, TRACKBAR_CLASS, "", TBS_BOTH | TBS_NOTICKS},
    };
    for (const Expected& e : items) {
        SCOPED_TRACE(e.id);
        HWND control = Item(e.id);
        ASSERT_NE(nullptr, control);
        char name[64] = {};
        ::GetClassNameA(control, name, sizeof name);
        EXPECT_STREQ(e.className, name);
        char text[64] = {};
        ::GetWindowTextA(control, text, sizeof text);
        if (e.id != CSpeechPanel::kVoiceCombo) {
            EXPECT_STREQ(e.text, text);
        }
        const DWORD style = static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE));
        EXPECT_EQ(e.style, style & e.style);
    }
    EXPECT_EQ(0, ::GetWindowLongA(Item(20003), GWL_STYLE) & TBS_VERT);
    EXPECT_EQ(0, ::GetWindowLongA(panel->m_hWnd, GWL_STYLE) & WS_CAPTION);
}

TEST_F(SpeechPanelTest, BindingListsTheVoicesSortedAndGivesAnEmptyRecordTheFirstInstalledVoice)
{
    CSpeechControl record;
    record.SetRate(-2);
    record.SetVolume(35);
    Open(&record);
    EXPECT_EQ((std::vector<std::string>{"alpha", "Mike", "Zeta"}), ComboItems());
    EXPECT_EQ(CString("Zeta"), record.GetVoice()) << "the speech system's first voice, not the combo's";
    EXPECT_EQ("Zeta", SelectedVoice());
    EXPECT_EQ(-5, speed->Min());
    EXPECT_EQ(5, speed->Max());
    EXPECT_EQ(-2, speed->Pos());
    EXPECT_EQ(0, volume->Min());
    EXPECT_EQ(100, volume->Max());
    EXPECT_EQ(35, volume->Pos());
}

TEST_F(SpeechPanelTest, PickingAVoiceEntersItAndPickingItAgainChangesNothing)
{
    CSpeechControl record;
    record.SetVoice("alpha");
    Open(&record);
    NoticeLog log;
    record.AddListener(&log);

    Pick("Mike");
    EXPECT_EQ(CString("Mike"), record.GetVoice());
    Pick("Mike");
    EXPECT_EQ(CString("Mike"), record.GetVoice());
    EXPECT_EQ((std::vector<long>{CSpeechControl::kVoiceChangedNotice}), log.codes);
    EXPECT_EQ("Mike", SelectedVoice());
    record.RemoveListener(&log);
}

TEST_F(SpeechPanelTest, ASliderReachesTheRecordWhenTheMouseLetsGoAndAtEveryKey)
{
    CSpeechControl record;
    Open(&record);

    const LONG rate = Drag(speed, 3);
    EXPECT_EQ(rate, record.GetRate());
    const LONG at = Drag(volume, 20);
    EXPECT_EQ(at, record.GetVolume());

    // A keyboard user's moves are kept as they are made.
    ::SetFocus(speed->Window());
    CtlUserKey(speed->Window(), VK_LEFT);
    CtlUserKey(speed->Window(), VK_LEFT);
    MvPumpUntilIdle();
    EXPECT_EQ(rate - 2, speed->Pos());
    EXPECT_EQ(rate - 2, record.GetRate());
    CtlUserKey(volume->Window(), VK_END);
    MvPumpUntilIdle();
    EXPECT_EQ(100, record.GetVolume());
    CtlUserKey(volume->Window(), VK_PRIOR);
    MvPumpUntilIdle();
    EXPECT_EQ(volume->Pos(), record.GetVolume());
    EXPECT_LT(record.GetVolume(), 100);

    // A thumb still held by the mouse tells the record nothing until it is let go.
    const signed char entered = record.GetRate();
    CtlUserPress(speed->Window(), speed->PointOf(speed->Pos()));
    const POINT to = speed->PointOf(-4);
    ::SendMessageA(speed->Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    MvPumpUntilIdle();
    EXPECT_NEAR(-4, speed->Pos(), 1);
    EXPECT_EQ(entered, record.GetRate());
    CtlUserRelease(speed->Window(), to);
    MvPumpUntilIdle();
    EXPECT_EQ(speed->Pos(), record.GetRate());
}

TEST_F(SpeechPanelTest, ReleasingASliderOnTheStoredValueSnapsItBack)
{
    CSpeechControl record;
    record.SetVolume(40);
    Open(&record);
    NoticeLog log;
    record.AddListener(&log);
    // The mouse takes the thumb away and brings it back to where the record has it:
    // nothing changes, the thumb shows 40.
    CtlUserPress(volume->Window(), volume->PointOf(40));
    const POINT away = volume->PointOf(100);
    ::SendMessageA(volume->Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(away.x, away.y));
    EXPECT_EQ(100, volume->Pos());
    const POINT back = volume->PointOf(40);
    ::SendMessageA(volume->Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(back.x, back.y));
    CtlUserRelease(volume->Window(), back);
    MvPumpUntilIdle();
    EXPECT_EQ(40, volume->Pos());
    EXPECT_EQ(40, record.GetVolume());
    EXPECT_TRUE(log.codes.empty());
    record.RemoveListener(&log);
}

TEST_F(SpeechPanelTest, ChangesOfTheRecordShowInTheControls)
{
    CSpeechControl record;
    Open(&record);
    record.SetRate(9);
    EXPECT_EQ(5, speed->Pos());
    record.SetVolume(7);
    EXPECT_EQ(7, volume->Pos());
    record.SetVoice("mike");
    EXPECT_EQ("Mike", SelectedVoice()) << "the combo finds the entry whatever the letter case";

    // A voice no longer installed: no selection, and the record keeps its name.
    record.SetVoice("Retired Voice");
    EXPECT_EQ("<none>", SelectedVoice());
    EXPECT_EQ(CString("Retired Voice"), record.GetVoice());
    panel->Refresh();
    EXPECT_EQ("<none>", SelectedVoice());
    EXPECT_EQ(CString("Retired Voice"), record.GetVoice());
}

TEST_F(SpeechPanelTest, WithoutVoicesTheComboStaysEmptyAndTheVoiceUnset)
{
    struct Case {
        const char* what;
        bool speechSystem;
    } cases[] = {{"no speech system", false}, {"no voice installed", true}};
    ListedVoices silent;
    silent.voices.clear();
    CSpeechEngine::SetCurrent(&silent);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        system.reset();
        if (c.speechSystem) system = std::make_unique<CSpeechSystem>();
        CSpeechControl record;
        record.SetRate(2);
        Open(&record);
        EXPECT_TRUE(ComboItems().empty());
        EXPECT_EQ(CString(""), record.GetVoice());
        EXPECT_EQ(2, speed->Pos());
        panel->DestroyWindow();
        panel.reset();
    }
    system.reset();
    CSpeechEngine::SetCurrent(&engine);
}

TEST_F(SpeechPanelTest, ARecordThatGoesFirstLeavesThePageUsable)
{
    auto record = std::make_unique<CSpeechControl>();
    Open(record.get());
    record.reset();
    EXPECT_EQ(nullptr, panel->GetObject());
    Pick("alpha");
    Drag(speed, 2);
    EXPECT_EQ(2, speed->Pos());

    CSpeechControl next;
    next.SetVoice("Mike");
    panel->SetObject(&next);
    EXPECT_EQ("Mike", SelectedVoice());
    EXPECT_EQ(0, speed->Pos());
}

TEST(SpeechController, AcceptsOnlySpeechRecordsAndWorksWithoutControls)
{
    CSpeechController controller;
    CSpeechControl record;
    CPersistObject other;
    EXPECT_FALSE(controller.SetObject(&other, true));
    EXPECT_EQ(nullptr, controller.GetObjectA());
    EXPECT_TRUE(controller.SetObject(&record, true));
    controller.SetControls(nullptr, nullptr, nullptr);
    controller.Refresh();
    controller.EnterVoice();
    controller.EnterRate();
    controller.EnterVolume();
    EXPECT_TRUE(record.SetRate(4));
    EXPECT_EQ(CString(""), record.GetVoice());
    EXPECT_EQ(80, record.GetVolume());
}

} // namespace
