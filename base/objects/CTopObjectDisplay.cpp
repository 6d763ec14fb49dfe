#include "CTopObjectDisplay.h"

void CTopObjectDisplay::MakeSelected(CObjectDisplay* display)
{
    if (mSingleSelection) {
        for (int i = 0; i < GetChildDisplayCount(); ++i) {
            CObjectDisplay* child = GetChildDisplay(i);
            child->Select(child == display);
        }
    } else if (display) {
        display->Select(true);
    }
}
