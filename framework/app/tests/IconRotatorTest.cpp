#include "CIconRotator.h"
#include "CListener.h"
#include "CPopupMenu.h"
#include "ControlTestSupport.h"
#include "afx/windows/CWinApp.h"
#include "win32/kernel/Clock.h"
#include "win32/gdi/Icon.h"
#include "win32/dialogs/Menu.h"
#include "win32/tests/IcoTestFile.h"
#include "win32/tests/TestResourceFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

class CChangeCounter : public CListener {
public:
    std::vector<int> seen;
    CIconRotator* rotator = nullptr;
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message != kIconRotatorChangedMessage) return CListener::ListenToMessage(message, p, q);
        EXPECT_EQ(p, rotator);
        EXPECT_EQ(q, nullptr);
        seen.push_back(rotator->GetCurrent());
        return true;
    }
};

// Three 1 x 1 icons, ids 901 to 903, in the application's resources.
class IconRotatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MvUseVirtualClock(true);
        m_folder.emplace(AfxGetResourceHandle());
        for (int id = 901; id <= 903; ++id)  // told apart by their blue
            m_folder->Write(std::to_string(id) + ".ico", SolidIco24(1, 1, uint8_t(id)));
        m_counter.rotator = &m_rotator;
        m_rotator.AddListener(&m_counter);
    }
    void TearDown() override
    {
        m_rotator.RemoveListener(&m_counter);
        m_folder.reset();
        MvPumpUntilIdle();
        MvUseVirtualClock(false);
    }
    void Pass(int ms)
    {
        MvAdvanceClock(ms);
        MvPumpUntilIdle();
    }
    std::optional<TestResourceFolder> m_folder;
    CIconRotator m_rotator;
    CChangeCounter m_counter;
};

TEST_F(IconRotatorTest, RotationStepsThroughTheIconsOnceASecond)
{
    for (UINT id = 901; id <= 903; ++id) m_rotator.AddIcon(id);
    ASSERT_EQ(m_rotator.GetIconCount(), 3);
    EXPECT_EQ(m_rotator.GetCurrent(), 0);
    EXPECT_NE(m_rotator.GetIcon(), nullptr);
    m_rotator.SetRotate(true);
    EXPECT_EQ(m_rotator.GetTimer().GetPeriod(), 333u);
    for (int i = 0; i < 4; ++i) Pass(333);
    EXPECT_EQ(m_counter.seen, (std::vector<int>{1, 2, 0, 1, 2}));
    EXPECT_EQ(m_rotator.GetId(), 903u);
    m_rotator.SetRotate(true);
    EXPECT_EQ(m_counter.seen.size(), 5u) << "already rotating";
    m_rotator.SetRotate(false);
    EXPECT_EQ(m_rotator.GetCurrent(), 0) << "stopping always leaves icon 0";
    EXPECT_EQ(m_counter.seen.back(), 0);
    EXPECT_FALSE(m_rotator.GetTimer().IsActive());
    Pass(2000);
    EXPECT_EQ(m_counter.seen.size(), 6u);
}

TEST_F(IconRotatorTest, CurrentOutsideTheListNamesNoIcon)
{
    for (UINT id = 901; id <= 903; ++id) m_rotator.AddIcon(id);
    m_rotator.SetCurrent(0);
    EXPECT_TRUE(m_counter.seen.empty()) << "already current";
    m_rotator.SetCurrent(5);
    EXPECT_TRUE(m_counter.seen.empty()) << "stored without a broadcast";
    EXPECT_EQ(m_rotator.GetCurrent(), 5);
    EXPECT_EQ(m_rotator.GetIcon(), nullptr);
    EXPECT_EQ(m_rotator.GetId(), 0u);
    m_rotator.SetRotate(true);
    EXPECT_EQ(m_rotator.GetCurrent(), 0) << "the next step wraps to icon 0";
    m_rotator.SetCurrent(2);
    EXPECT_EQ(m_rotator.GetId(), 903u);
    m_rotator.Reset();
    EXPECT_EQ(m_rotator.GetIconCount(), 0);
    EXPECT_EQ(m_rotator.GetCurrent(), 2) << "Reset keeps the index and the flag";
    EXPECT_TRUE(m_rotator.IsRotating());
    EXPECT_EQ(m_rotator.GetIcon(), nullptr);
}

TEST_F(IconRotatorTest, AnEmptyListRotatesWithoutFailing)
{
    m_rotator.SetRotate(true);
    EXPECT_TRUE(m_rotator.GetTimer().IsActive());
    Pass(3000);
    EXPECT_TRUE(m_counter.seen.empty());
}

// Records the shown menu and answers with a choice.
class PopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.Make());
        MvSetPopupMenuHandler([this](HMENU menu, HWND owner, POINT at) -> UINT {
            ++m_shown;
            m_owner_ = owner;
            m_at = at;
            m_items.clear();
            for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                char text[64] = {};
                GetMenuStringA(menu, UINT(i), text, sizeof text, MF_BYPOSITION);
                m_items.push_back(text);
            }
            return m_answer;
        });
    }
    void TearDown() override { MvSetPopupMenuHandler(nullptr); }

    class COwner : public TestParent {
    public:
        std::vector<UINT> commands;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_COMMAND) commands.push_back(LOWORD(wParam));
            return TestParent::WindowProc(message, wParam, lParam);
        }
    } m_owner;
    int m_shown = 0;
    HWND m_owner_ = nullptr;
    POINT m_at{};
    UINT m_answer = 0;
    std::vector<std::string> m_items;
};

TEST_F(PopupMenuTest, ItemsAddedLaterShowAboveAndTheChoiceGoesToTheWindow)
{
    CPopupMenu menu;
    menu.PopupRight(&m_owner);
    EXPECT_EQ(m_shown, 0) << "nothing added: nothing shown";
    menu.AddItem("A", 100);
    menu.AddItem("B", 200);
    SetCursorPos(120, 80);
    m_answer = 100;
    menu.PopupRight(&m_owner);
    ASSERT_EQ(m_shown, 1);
    EXPECT_EQ(m_items, (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(m_owner_, m_owner.GetSafeHwnd());
    EXPECT_EQ(m_at.x, 120);
    EXPECT_EQ(m_at.y, 80);
    MvPumpUntilIdle();
    EXPECT_EQ(m_owner.commands, std::vector<UINT>{100});
}

} // namespace
