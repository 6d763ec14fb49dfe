#include "CObjectController2.h"
#include "CObjectPanel.h"
#include "CPane.h"
#include "CPanel.h"
#include "CPersistObject.h"
#include "ControlTestSupport.h"
#include "PanelTestSupport.h"
#include "UWindowsUtils.h"
#include "afx/controls/CTabCtrl.h"
#include "afx/windows/MessageMap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kPageTemplate = 29001;
constexpr UINT kHandledCommand = 33001;

class TestPanel : public CPanel {
public:
    TestPanel() : CPanel(kPageTemplate, nullptr) { RegisterChildTemplate(kPageTemplate, 120, 60); }
    void OnEnable(bool enable) override { enables.push_back(enable); }
    void OnHandled() { ++handled; }
    std::vector<bool> enables;
    int handled = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestPanel, CPanel)
    ON_COMMAND(kHandledCommand, OnHandled)
END_MESSAGE_MAP()

class Record : public CPersistObject {
public:
    bool IsInstanceOf(LONG type) const override { return type == FourCharCode("rcrd"); }
};

class TextController : public CObjectController2 {
public:
    TextController(const char* text, bool valid) : text(text), valid(valid) { mExpectedType = FourCharCode("rcrd"); }
    char* GetText() override { return text.data(); }
    bool IsValid() override { return valid; }
    void Refresh() override { ++refreshes; }
    std::string text;
    bool valid;
    int refreshes = 0;
};

class TestObjectPanel : public CObjectPanel {
public:
    TestObjectPanel() : CObjectPanel(kPageTemplate, nullptr) { RegisterChildTemplate(kPageTemplate, 120, 60); }
    void SetupController() override { ++setups; }
    int setups = 0;
};

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make(300, 200)); }
    TestParent host;
};

TEST_F(PanelTest, CreateInWindowFitsTheHostAndStaysHidden)
{
    TestPanel panel;
    EXPECT_FALSE(panel.CreateInWindow(static_cast<CWnd*>(nullptr)));
    EXPECT_EQ(panel.m_hWnd, nullptr);

    ASSERT_TRUE(panel.CreateInWindow(&host));
    EXPECT_EQ(::GetParent(panel.m_hWnd), host.m_hWnd);
    EXPECT_FALSE(panel.IsWindowVisible());
    CRect native = panel.GetNativeRect();
    RECT dialogUnits{0, 0, 120, 60};
    ::MapDialogRect(panel.m_hWnd, &dialogUnits);
    EXPECT_EQ(native.Width(), dialogUnits.right);
    EXPECT_EQ(native.Height(), dialogUnits.bottom);

    CRect placed, hostClient;
    UWindowsUtils::GetInParentRect(&panel, placed);
    host.GetClientRect(&hostClient);
    EXPECT_EQ(placed, hostClient);
}

TEST_F(PanelTest, CreateInWindowFailsForAnUnknownTemplate)
{
    TestPanel panel;
    panel.SetId(29999);
    EXPECT_FALSE(panel.CreateInWindow(&host));
    EXPECT_EQ(panel.m_hWnd, nullptr);
}

TEST_F(PanelTest, InATabControlThePanelTakesTheDisplayArea)
{
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 250, 180), &host, 500));
    tabs.InsertItem(0, "One");
    TestPanel panel;
    ASSERT_TRUE(panel.CreateInWindow(&tabs));
    CRect expected;
    tabs.GetClientRect(&expected);
    tabs.AdjustRect(FALSE, &expected);
    CRect placed;
    UWindowsUtils::GetInParentRect(&panel, placed);
    EXPECT_EQ(placed, expected);
    CRect whole;
    tabs.GetClientRect(&whole);
    EXPECT_LT(placed.Height(), whole.Height());
}

TEST_F(PanelTest, SetEnableActsOnlyOnAChange)
{
    TestPanel panel;
    MessageLog log;
    panel.AddListener(&log);
    EXPECT_TRUE(panel.IsEnabled());
    panel.SetEnable(true);
    EXPECT_TRUE(panel.enables.empty());
    EXPECT_TRUE(log.sent.empty());

    panel.SetEnable(false);
    panel.SetEnable(false);
    panel.SetEnable(true);
    EXPECT_EQ(panel.enables, (std::vector<bool>{false, true}));
    EXPECT_EQ(log.Messages(), (std::vector<long>{kPanelEnabledChangedMessage, kPanelEnabledChangedMessage}));
}

TEST_F(PanelTest, EnterEscapeAndCloseLeaveThePanelShown)
{
    TestPanel panel;
    ASSERT_TRUE(panel.CreateInWindow(&host));
    panel.ShowWindow(SW_SHOW);
    panel.SendMessage(WM_COMMAND, IDOK, 0);
    panel.SendMessage(WM_COMMAND, IDCANCEL, 0);
    panel.SendMessage(WM_CLOSE, 0, 0);
    MvPumpUntilIdle();
    EXPECT_TRUE(::IsWindow(panel.m_hWnd));
    EXPECT_TRUE(panel.IsWindowVisible());
}

TEST_F(PanelTest, CommandsAreHandledOnlyByThePanelsOwnMap)
{
    TestPanel panel;
    ASSERT_TRUE(panel.CreateInWindow(&host));
    EXPECT_TRUE(panel.OnCmdMsg(kHandledCommand, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(panel.handled, 1);
    // Not the panel's: the host is left to handle it.
    EXPECT_FALSE(panel.OnCmdMsg(kHandledCommand + 1, CN_COMMAND, nullptr, nullptr));
}

TEST(CPane, ClipsItsChildren)
{
    CPane pane;
    ASSERT_TRUE(pane.CreateEx(0, nullptr, "pane", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    EXPECT_TRUE(pane.GetStyle() & WS_CLIPCHILDREN);
    pane.DestroyWindow();
}

TEST(CObjectPanel, DetailedTextJoinsTheControllersTexts)
{
    struct Case {
        const char* first;
        bool firstValid;
        const char* second;
        bool withSecond;
        const char* text;
        bool valid;
    } cases[] = {
        {"44.1 kHz", true, "Stereo", true, "44.1 kHz, Stereo", true},
        {"", true, "Stereo", true, "Stereo", true},
        {"44.1 kHz", false, "", false, "44.1 kHz", false},
        {"44.1 kHz", true, "", true, "44.1 kHz, ", true},
    };
    for (const Case& c : cases) {
        TextController first(c.first, c.firstValid);
        TextController second(c.second, false);
        TestObjectPanel panel;
        panel.SetController(&first);
        if (c.withSecond) panel.SetController2(&second);
        bool valid = !c.valid;
        EXPECT_EQ(std::string(panel.GetDetailedText(valid)), c.text) << c.first << "|" << c.second;
        EXPECT_EQ(valid, c.valid) << c.first << "|" << c.second;
    }
    // Without a primary controller the caller's validity stays.
    TextController second("Mono", true);
    TestObjectPanel panel;
    panel.SetController2(&second);
    bool valid = false;
    EXPECT_EQ(std::string(panel.GetDetailedText(valid)), "Mono");
    EXPECT_FALSE(valid);
}

TEST(CObjectPanel, AutoShowEnablesThePanelExactlyWhileAnObjectIsBound)
{
    TextController controller("", true);
    TestObjectPanel panel;
    MessageLog log;
    panel.AddListener(&log);
    Record record;

    panel.SetObject(&record);   // no controller yet: nothing
    EXPECT_EQ(panel.GetObject(), nullptr);
    EXPECT_TRUE(log.sent.empty());

    panel.SetController(&controller);
    panel.SetAutoShow(true);
    EXPECT_FALSE(panel.IsEnabled());
    EXPECT_EQ(log.Messages(), (std::vector<long>{kPanelEnabledChangedMessage}));

    log.sent.clear();
    panel.SetObject(&record);
    EXPECT_EQ(panel.GetObject(), &record);
    EXPECT_TRUE(panel.IsEnabled());
    EXPECT_EQ(log.Messages(), (std::vector<long>{kPanelEnabledChangedMessage, kPanelObjectChangedMessage}));

    log.sent.clear();
    panel.SetObject(nullptr);
    EXPECT_FALSE(panel.IsEnabled());
    EXPECT_EQ(log.Messages(), (std::vector<long>{kPanelEnabledChangedMessage}));
}

TEST(CObjectPanel, RelaysTheControllersNotices)
{
    TextController first("", true), second("", true);
    TestObjectPanel panel;
    MessageLog log;
    panel.AddListener(&log);
    panel.SetController(&first);
    panel.SetController2(&second);

    first.Broadcast(kControllerObjectChangedMessage, nullptr, nullptr);
    second.Broadcast(kControllerObjectChangedMessage, nullptr, nullptr);
    second.Broadcast(kControllerInvalidMessage, nullptr, nullptr);
    const CPanel* self = &panel;
    EXPECT_EQ(log.sent, (std::vector<SentMessage>{{kPanelObjectChangedMessage, nullptr},
                                                 {kPanelObjectChangedMessage, nullptr},
                                                 {kPanelExpandMessage, self}}));

    // A disabled page keeps its changes quiet but still asks to be shown when invalid.
    panel.SetEnable(false);
    log.sent.clear();
    first.Broadcast(kControllerObjectChangedMessage, nullptr, nullptr);
    first.Broadcast(kControllerInvalidMessage, nullptr, nullptr);
    EXPECT_EQ(log.Messages(), (std::vector<long>{kPanelExpandMessage}));

    // Rebinding stops the old controller's notices.
    TextController third("", true);
    panel.SetController(&third);
    panel.SetEnable(true);
    log.sent.clear();
    first.Broadcast(kControllerObjectChangedMessage, nullptr, nullptr);
    EXPECT_TRUE(log.sent.empty());
    third.Broadcast(kControllerObjectChangedMessage, nullptr, nullptr);
    EXPECT_EQ(log.sent.size(), 1u);

    panel.Refresh();
    EXPECT_EQ(third.refreshes, 1);
    EXPECT_EQ(second.refreshes, 1);
    EXPECT_EQ(first.refreshes, 0);
}

TEST_F(PanelTest, InitialisingTheDialogSetsUpTheController)
{
    TestObjectPanel panel;
    ASSERT_TRUE(panel.CreateInWindow(&host));
    EXPECT_EQ(panel.setups, 1);
}

} // namespace

namespace {

TEST(CObjectPanel, AControllerDestroyedFirstIsForgotten)
{
    TestObjectPanel panel;
    Record record;
    {
        TextController controller("gone", true);
        panel.SetController(&controller);
        panel.SetController2(&controller);
        panel.SetObject(&record);
        EXPECT_EQ(panel.GetObject(), &record);
    }
    EXPECT_EQ(panel.GetController(), nullptr);
    EXPECT_EQ(panel.GetController2(), nullptr);
    EXPECT_EQ(panel.GetObject(), nullptr);
    bool valid = false;
    EXPECT_EQ(std::string(panel.GetDetailedText(valid)), "");
}

} // namespace
