#pragma once
// The template and tooltip chores the capture and recorder pages share.
#include "win32/dialogs/Dialog.h"

class CTooltipButton;

class UCapturePageItems {
public:
    // A combo that keeps its items in alphabetical order.
    static MvDialogItem Sorted(MvDialogItem item);
    static MvDialogItem Disabled(MvDialogItem item);
    // Sets the tooltip of a button the page's template has.
    static void Tip(CTooltipButton& button, const char* text);
};
