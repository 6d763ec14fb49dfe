#include "win32/windowing/WindowPlacement.h"

#include "win32/Messages.h"
#include "win32/windowing/Window.h"

#include <cstring>

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement)
{
    if (!placement || placement->length != sizeof(WINDOWPLACEMENT) || !IsWindow(hwnd)) return FALSE;
    std::memset(placement, 0, sizeof *placement);
    placement->length = sizeof(WINDOWPLACEMENT);
    placement->showCmd = IsIconic(hwnd) ? SW_SHOWMINIMIZED : IsZoomed(hwnd) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    placement->ptMinPosition = {-1, -1};
    placement->ptMaxPosition = {-1, -1};
    RECT r{};
    GetWindowRect(hwnd, &r);
    if (HWND parent = GetParent(hwnd); parent && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    placement->rcNormalPosition = r;
    return TRUE;
}
