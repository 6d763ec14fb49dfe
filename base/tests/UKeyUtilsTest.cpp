#include "UKeyUtils.h"

#include "win32/Messages.h"
#include "win32/dialogs/Resources.h"

#include <gtest/gtest.h>

TEST(UKeyUtils, FollowTheModifierKeys)
{
    const struct { int key; bool (*down)(); } keys[] = {
        {VK_CONTROL, UKeyUtils::IsControlDown}, {VK_SHIFT, UKeyUtils::IsShiftDown}, {VK_MENU, UKeyUtils::IsAltDown}};
    for (auto k : keys) {
        MvSetKeyState(k.key, true);
        EXPECT_TRUE(k.down()) << k.key;
        for (auto other : keys) {
            if (other.key != k.key) {
                EXPECT_FALSE(other.down()) << k.key << " " << other.key;
            }
        }
        MvSetKeyState(k.key, false);
        EXPECT_FALSE(k.down()) << k.key;
    }
}
