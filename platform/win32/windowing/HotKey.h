#pragma once
// System-wide hot keys: X11 key grabs when a display is reachable; otherwise refused.
// A pressed hot key posts WM_HOTKEY (wParam the id, lParam modifiers | key << 16) to its window.
#include "win32/WinTypes.h"

#define MOD_ALT 0x0001
#define MOD_CONTROL 0x0002
#define MOD_SHIFT 0x0004
#define MOD_WIN 0x0008

BOOL RegisterHotKey(HWND hwnd, int id, UINT modifiers, UINT virtualKey);
BOOL UnregisterHotKey(HWND hwnd, int id);
