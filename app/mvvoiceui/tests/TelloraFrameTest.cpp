#include "CTelloraFrame.h"
#include "afx/windows/CMenu.h"
#include "win32/TestHome.h"
#include "win32/dialogs/Menu.h"
#include "win32/dialogs/Resources.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Entries(CMenu* menu)
{
    std::vector<std::string> out;
    for (int i = 0; i < menu->GetMenuItemCount(); ++i) {
        CString text;
        menu->GetMenuString(i, text, MF_BYPOSITION);
        out.push_back(std::string(text));
    }
    return out;
}

}  // namespace

TEST(TelloraFrameTest, WindowCarriesTheMenuToolBarAndPrompts)
{
    MvTestHome home;
    auto* frame = new CTelloraFrame;
    ASSERT_TRUE(frame->LoadFrame(128, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    CMenu* menu = frame->GetMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Entries(menu), (std::vector<std::string>{"&File", "Edit", "Speech", "&Help"}));
    EXPECT_EQ(Entries(menu->GetSubMenu(2)),
              (std::vector<std::string>{"Start", "Start from Cursor", "Pause", "Stop", "", "Record..."}));
    CToolBar& bar = frame->GetToolBar();
    ASSERT_EQ(bar.GetCount(), 6);
    const UINT buttons[] = {32774, 32795, 32775, 32778, 0, 32777};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(bar.GetItemID(i), buttons[i]) << i;
    EXPECT_STREQ(MvFindString(32795), "Start talking from the cursor position");
    EXPECT_STREQ(MvFindString(57601), "Open text or RTF file");
    EXPECT_TRUE(frame->GetPanel().GetSafeHwnd() != nullptr);
    frame->DestroyWindow();
}
