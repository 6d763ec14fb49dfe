#pragma once
// A user at the keyboard and mouse, for tests: input is posted to the window's queue and
// pumped, so it passes the same pre-translation and subclassed procedures as real input.
#include "win32/Messages.h"

#include <string_view>

// The pointer (GetCursorPos) moves to each point first, as a real mouse's does.
// Left click (press and release) at a client point; with `keys` (MK_CONTROL, MK_SHIFT) held.
void CtlUserClick(HWND hwnd, POINT point, UINT keys = 0);
void CtlUserDoubleClick(HWND hwnd, POINT point);
void CtlUserRightClick(HWND hwnd, POINT point);
// Presses at `from`, moves to `to` and releases there.
void CtlUserDrag(HWND hwnd, POINT from, POINT to);
// Presses at a point and keeps the button down (release with CtlUserRelease), so that a
// test can let time pass on a pressed control.
void CtlUserPress(HWND hwnd, POINT point);
void CtlUserRelease(HWND hwnd, POINT point);
// Gives the window the focus and types the text (UTF-8), character by character.
void CtlUserType(HWND hwnd, std::string_view text);
// Presses and releases a key (VK_RETURN, VK_DOWN, 'C' ...) with the focus on the window,
// with Shift and Control held for MK_SHIFT and MK_CONTROL in `modifiers`.
void CtlUserKey(HWND hwnd, UINT key, UINT modifiers = 0);
