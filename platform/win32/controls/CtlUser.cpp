#include "win32/controls/CtlUser.h"
#include "win32/controls/CtlMessages.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/Resources.h"
#include "win32/CtlText.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/NonClient.h"
#include "win32/windowing/Window.h"

namespace {

LPARAM At(POINT p)
{
    return MAKELPARAM(p.x, p.y);
}

// Mouse input: a disabled top-level window (a modal dialog's owner) gets none; a disabled
// control's goes to its parent, as the pointer finds no disabled child.
void Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsWindowEnabled(GetAncestor(hwnd, GA_ROOT))) {
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        for (HWND parent; !IsWindowEnabled(hwnd) && (parent = GetParent(hwnd));) {
            MapWindowPoints(hwnd, parent, &p, 1);
            hwnd = parent;
        }
        // Outside the client area (and without a capture) the pointer is over the frame.
        POINT screen = p;
        ClientToScreen(hwnd, &screen);
        LRESULT hit = HTCLIENT;
        if (!GetCapture() && message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK)
            hit = SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        if (hit != HTCLIENT && hit != HTNOWHERE)
            PostMessageA(hwnd, MvNonClientMouse(message), static_cast<WPARAM>(hit), MAKELPARAM(screen.x, screen.y));
        else
            PostMessageA(hwnd, message, wParam, MAKELPARAM(p.x, p.y));
    }
    MvPumpUntilIdle();
}

// The pointer goes where the mouse message says, as a real mouse's does.
void MoveTo(HWND hwnd, POINT client)
{
    ClientToScreen(hwnd, &client);
    SetCursorPos(client.x, client.y);
}

// Whether a dialog around the window takes the key for itself (Tab, Enter, Escape), so that
// the key's character never reaches the window.
bool DialogTakes(HWND hwnd, UINT key)
{
    if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE) return false;
    bool inDialog = false;
    for (HWND h = GetParent(hwnd); h && !inDialog; h = GetParent(h)) {
        char name[16] = {};
        GetClassNameA(h, name, sizeof name);
        inDialog = std::string_view(name) == "#32770";
    }
    if (!inDialog) return false;
    MSG msg{hwnd, WM_KEYDOWN, key, 1, 0, {}};
    LRESULT code = SendMessageA(hwnd, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg));
    if (code & DLGC_WANTALLKEYS) return false;
    return key != VK_TAB || !(code & DLGC_WANTTAB);
}

// Key messages go to the focused window, as the keyboard's do.
void Focus(HWND hwnd)
{
    if (GetFocus() != hwnd) SetFocus(hwnd);
}

} // namespace

void CtlUserClick(HWND hwnd, POINT point, UINT keys)
{
    MoveTo(hwnd, point);
    Post(hwnd, WM_LBUTTONDOWN, MK_LBUTTON | keys, At(point));
    Post(hwnd, WM_LBUTTONUP, keys, At(point));
}

void CtlUserDoubleClick(HWND hwnd, POINT point)
{
    CtlUserClick(hwnd, point);
    Post(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, At(point));
    Post(hwnd, WM_LBUTTONUP, 0, At(point));
}

void CtlUserPress(HWND hwnd, POINT point)
{
    MoveTo(hwnd, point);
    Post(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(point));
}

void CtlUserRelease(HWND hwnd, POINT point)
{
    MoveTo(hwnd, point);
    Post(hwnd, WM_LBUTTONUP, 0, At(point));
}

void CtlUserRightClick(HWND hwnd, POINT point)
{
    MoveTo(hwnd, point);
    Post(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, At(point));
    Post(hwnd, WM_RBUTTONUP, 0, At(point));
}

void CtlUserDrag(HWND hwnd, POINT from, POINT to)
{
    MoveTo(hwnd, from);
    Post(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(from));
    MoveTo(hwnd, to);
    Post(hwnd, WM_MOUSEMOVE, MK_LBUTTON, At(to));
    Post(hwnd, WM_LBUTTONUP, 0, At(to));
}

void CtlUserType(HWND hwnd, std::string_view text)
{
    Focus(hwnd);
    for (char16_t c : CtlWiden(text)) {
        // Keys without a virtual-key code of their own travel as characters only.
        UINT key = (c >= u'a' && c <= u'z') ? c - u'a' + 'A' : (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') ? c : 0;
        if (c == u'\r' || c == u'\n') key = VK_RETURN;
        if (c == u'\t') key = VK_TAB;
        bool taken = key && DialogTakes(hwnd, key);
        if (key) PostMessageA(hwnd, WM_KEYDOWN, key, 1);
        if (!taken) PostMessageA(hwnd, WM_CHAR, c == u'\n' ? u'\r' : c, 1);
        if (key) PostMessageA(hwnd, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
        MvPumpUntilIdle();
    }
}

void CtlUserKey(HWND hwnd, UINT key, UINT modifiers)
{
    Focus(hwnd);
    struct Held {
        UINT modifiers;
        explicit Held(UINT m) : modifiers(m)
        {
            if (modifiers & MK_SHIFT) MvSetKeyState(VK_SHIFT, true);
            if (modifiers & MK_CONTROL) MvSetKeyState(VK_CONTROL, true);
        }
        ~Held()
        {
            if (modifiers & MK_SHIFT) MvSetKeyState(VK_SHIFT, false);
            if (modifiers & MK_CONTROL) MvSetKeyState(VK_CONTROL, false);
        }
    } held(modifiers);
    bool taken = DialogTakes(hwnd, key);
    // F10 is a system key (it opens the menu bar), so it comes as WM_SYSKEYDOWN/UP.
    bool sys = key == VK_F10;
    PostMessageA(hwnd, sys ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1);
    if (key == VK_RETURN && !taken) PostMessageA(hwnd, WM_CHAR, '\r', 1);
    if (key == VK_BACK) PostMessageA(hwnd, WM_CHAR, 0x08, 1);
    PostMessageA(hwnd, sys ? WM_SYSKEYUP : WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    MvPumpUntilIdle();
}
