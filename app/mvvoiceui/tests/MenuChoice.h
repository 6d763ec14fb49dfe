#pragma once
// A choice in a window's main menu as a person makes it: the menu opens (its update
// handlers run), and an enabled entry posts its command to the window. False when the
// entry is disabled or missing.
#include "win32/Messages.h"
#include "win32/dialogs/Menu.h"
#include "win32/windowing/Window.h"

inline bool ChooseMenuCommand(HWND window, UINT id)
{
    HMENU bar = ::GetMenu(window);
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i) {
        HMENU menu = ::GetSubMenu(bar, i);
        for (int j = 0; menu && j < ::GetMenuItemCount(menu); ++j) {
            if (::GetMenuItemID(menu, j) != id) continue;
            ::SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(i, 0));
            if (::GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) return false;
            ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
            return true;
        }
    }
    return false;
}
