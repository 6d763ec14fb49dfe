#pragma once
// Mouse input at a point of the screen, as the pointer delivers it: to the window that holds the
// capture, else to the enabled window under the point. A display backend feeds its pointer
// events in here; tests use it to click where the user would.
#include "win32/Messages.h"

// Moves the pointer to `screen` and posts `message` (WM_LBUTTONDOWN, WM_MOUSEMOVE ...) with `keys`
// (MK_*) and the point in the receiving window's client coordinates. A press in an inactive
// top-level window activates it first (WM_MOUSEACTIVATE decides). Returns the receiving window,
// or null when the click is lost: nothing there, the window under it sits in a disabled
// top-level window (the owner of a modal dialog), or WM_MOUSEACTIVATE ate the press.
HWND MvPostMouseInput(UINT message, POINT screen, WPARAM keys = 0);
