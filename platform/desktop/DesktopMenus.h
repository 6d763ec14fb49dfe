#pragma once
// Menus of the window system as Qt menus. Each pop-up is filled from its model when it
// opens, after the owner had WM_INITMENUPOPUP to bring its items up to date; the item
// under the pointer is announced with WM_MENUSELECT (the status bar's prompt) and a
// chosen item goes to `chosen`.
#include "win32/Messages.h"

#include <functional>

class QMenu;
class QMenuBar;

using DesktopMenuChoice = std::function<void(UINT id)>;

// Fills a menu bar with the pop-ups of `menu` (titles only; each fills when it opens).
void DesktopFillMenuBar(QMenuBar* bar, HMENU menu, HWND owner, DesktopMenuChoice chosen);
// Fills a pop-up with the items of `menu` now.
void DesktopFillMenu(QMenu* qmenu, HMENU menu, HWND owner, const DesktopMenuChoice& chosen);
