#pragma once
// Qt's keys and buttons in the window system's terms.
#include "win32/Messages.h"

#include <Qt>

#include <initializer_list>

// The virtual-key code of a Qt key, 0 when it has none.
UINT DesktopVirtualKey(int qtKey);
// The virtual key of a Qt key when it is one of `keys`, else 0.
UINT DesktopVirtualKeyOf(int qtKey, std::initializer_list<UINT> keys);
// Tells the window system which of Shift, Ctrl and Alt are down.
void DesktopSetModifiers(Qt::KeyboardModifiers modifiers);
// MK_* bits of the buttons and modifiers held.
WPARAM DesktopMouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
