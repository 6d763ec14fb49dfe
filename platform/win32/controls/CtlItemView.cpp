#include "win32/controls/CtlItemView.h"
#include "win32/controls/CommCtrl.h"

#include <utility>

bool CtlItemView::HandleInput(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    result = 0;
    switch (message) {
    case WM_COMMAND:
        return m_labelEditor.Command(wParam, lParam);
    case WM_LBUTTONDOWN:
        UserClick(PointOf(lParam), static_cast<UINT>(wParam));
        return true;
    case WM_LBUTTONDBLCLK:
        UserDoubleClick(PointOf(lParam));
        return true;
    case WM_RBUTTONDOWN:
        m_rightClickTaken = false;
        UserRightClick(PointOf(lParam));
        return true;
    case WM_RBUTTONUP:
        // Left to the default (the context menu) unless the parent handled the right click.
        return std::exchange(m_rightClickTaken, false);
    case WM_KEYDOWN:
        UserKey(static_cast<UINT>(wParam));
        return true;
    case WM_GETDLGCODE:
        result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        NMHDR header{};
        Notify(header, message == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS);
        return true;
    }
    default:
        return false;
    }
}
