#pragma once
// A window's show state and its rectangle when shown normally.
#include "win32/WinTypes.h"

struct WINDOWPLACEMENT {
    UINT length;
    UINT flags;
    UINT showCmd;          // SW_SHOWNORMAL, SW_SHOWMINIMIZED or SW_SHOWMAXIMIZED
    POINT ptMinPosition;
    POINT ptMaxPosition;
    RECT rcNormalPosition; // the window rectangle (parent's client coordinates for a child)
};

// False for a window that does not exist or a placement whose length is not set.
BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement);
