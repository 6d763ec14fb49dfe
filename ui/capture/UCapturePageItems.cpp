#include "UCapturePageItems.h"

#include "CTooltipButton.h"
#include "win32/controls/CtlMessages.h"

MvDialogItem UCapturePageItems::Sorted(MvDialogItem item)
{
    item.style |= CBS_SORT;
    return item;
}

MvDialogItem UCapturePageItems::Disabled(MvDialogItem item)
{
    item.style |= WS_DISABLED;
    return item;
}

void UCapturePageItems::Tip(CTooltipButton& button, const char* text)
{
    if (button.m_hWnd) button.MakeTooltip(text);
}
