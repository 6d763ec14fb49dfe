#pragma once
// What the desktop's accessibility bus shows for peers whose Qt widget alone would show
// something else: a window or dialog rather than a plain pane, a radio button the model
// groups itself rather than a check box, an owner-drawn button as the button it is.
#include "win32/Messages.h"

class QAbstractButton;
class QWidget;

namespace DesktopAccessible {
void AsWindow(QWidget* window, bool dialog);
void AsRadioButton(QAbstractButton* button);
// A press clicks the window as a user's mouse does. A bitmap button is a check box drawn
// from bitmaps: a toggle whose state is what the window answers to BM_GETCHECK.
void AsOwnerDrawnButton(QWidget* widget, HWND hwnd);
// Whether an owner-drawn button toggles.
bool IsToggle(HWND hwnd);
} // namespace DesktopAccessible
