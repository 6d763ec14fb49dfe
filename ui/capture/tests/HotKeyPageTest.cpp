#include "CAppControl.h"
#include "CAppControlController.h"
#include "CHotKey2.h"
#include "CHotKey2Panel.h"
#include "OutputPageSupport.h"
#include "UPersistStorage.h"
#include "afx/controls/CButton.h"

#include <cstdlib>

namespace {

using P = CHotKey2Panel;
using C = CHotKey2Controller;

class HotKeyPageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }
    PageHost host;
    PageView view;
    CHotKey2 key;
};

TEST_F(HotKeyPageTest, TheKeyListAndTheSummary)
{
    P page(0, nullptr);
    OpenPage(page, host, &key, view);
    const std::vector<std::string> names = view.Items(P::kKey);
    ASSERT_EQ(65u, names.size());
    EXPECT_EQ("BkSp", names.front());
    EXPECT_EQ((std::vector<std::string>{"Left Arrow", "Right Arrow", "Up Arrow", "Down Arrow"}),
              std::vector<std::string>(names.begin() + 10, names.begin() + 14));
    EXPECT_EQ("F12", names.back());
    EXPECT_EQ("Esc", view.Selected(P::kKey));
    EXPECT_TRUE(view.Checked(P::kCtl));
    EXPECT_TRUE(view.Checked(P::kAlt));
    EXPECT_FALSE(view.Checked(P::kShift));
    EXPECT_STREQ("Ctl-Alt-Esc", page.GetController()->GetText());

    view.Click(P::kAlt);
    view.Click(P::kShift);
    view.Pick(P::kKey, "F9");
    EXPECT_FALSE(key.GetAlt());
    EXPECT_TRUE(key.GetShift());
    EXPECT_EQ(120, key.GetKeyCode());
    EXPECT_STREQ("Ctl-Shift-F9", page.GetController()->GetText());
}

TEST_F(HotKeyPageTest, AKeyTheListLacksShowsNoKey)
{
    key.SetKeyCode(186);
    key.SetCtl(false);
    P page(0, nullptr);
    OpenPage(page, host, &key, view);
    EXPECT_EQ("<none>", view.Selected(P::kKey));
    EXPECT_STREQ("Alt-", page.GetController()->GetText());
}

TEST_F(HotKeyPageTest, AKeyLoadedElsewhereIsShownAndKept)
{
    P page(0, nullptr);
    OpenPage(page, host, &key, view);
    view.Pick(P::kKey, "Q");
    const std::string path = std::string(std::getenv("MORVANE_HOME")) + "/key.xml";
    {
        CHotKey2 saved;
        saved.SetKeyCode('7');
        saved.SetShift(true);
        ASSERT_TRUE(UPersistStorage::SaveFile(saved, "Key", path.c_str()));
    }
    ASSERT_TRUE(UPersistStorage::LoadFile(key, "Key", path.c_str()));
    MvPumpUntilIdle();
    EXPECT_EQ('7', key.GetKeyCode()) << "the list's earlier choice does not win";
    EXPECT_EQ("7", view.Selected(P::kKey));
    EXPECT_TRUE(view.Checked(P::kShift));
}

TEST_F(HotKeyPageTest, KeyNamesAndCodes)
{
    unsigned char code = 0;
    EXPECT_TRUE(C::GetKeyCode("PrtScn", code));
    EXPECT_EQ(44, code);
    EXPECT_FALSE(C::GetKeyCode("Menu", code));
    EXPECT_EQ("Z", std::string(C::GetKeyName('Z')));
    EXPECT_EQ("", std::string(C::GetKeyName(0)));
}

TEST_F(HotKeyPageTest, TheMinimizeCheckOnAnyPageAndItsSummary)
{
    CButton check;
    ASSERT_TRUE(check.Create("Minimize", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 100, 20), &host, 300));
    CAppControl control;
    CAppControlController controller;
    controller.SetControls(&check);
    ASSERT_TRUE(controller.SetObject(&control, true));
    EXPECT_STREQ("", controller.GetText());
    PageView(host.m_hWnd).Click(300);
    controller.EnterMinimize();
    EXPECT_TRUE(control.GetMinimize());
    EXPECT_STREQ("Minimize", controller.GetText());
    control.SetMinimize(false);
    EXPECT_FALSE(PageView(host.m_hWnd).Checked(300));
    CHotKey2 key;
    EXPECT_FALSE(controller.SetObject(&key, true)) << "a hot key is not an application control";
}

} // namespace
