#include "win32/windowing/UserInput.h"

#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/NonClient.h"
#include "win32/windowing/Window.h"

HWND MvPostMouseInput(UINT message, POINT screen, WPARAM keys)
{
    SetCursorPos(screen.x, screen.y);
    HWND target = GetCapture();
    if (!target) {
        target = WindowFromPoint(screen);
        HWND root = GetAncestor(target, GA_ROOT);
        if (!target || !IsWindowEnabled(root)) return nullptr;
        // A press in an inactive window activates it, unless the window says otherwise.
        bool press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
        if (press && root != GetActiveWindow()) {
            LRESULT answer = SendMessageA(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(root),
                                          MAKELONG(HTCLIENT, message));
            if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) SetActiveWindow(root);
            if (answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT) return nullptr;
        }
    }
    // Outside its client area (and without a capture) the window hears of it as over its
    // frame: the hit-test code and the screen point.
    if (!GetCapture() && message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK) {
        LRESULT hit = SendMessageA(target, WM_NCHITTEST, 0, MAKELONG(screen.x, screen.y));
        if (hit != HTCLIENT && hit != HTNOWHERE) {
            PostMessageA(target, MvNonClientMouse(message), static_cast<WPARAM>(hit),
                         MAKELONG(screen.x, screen.y));
            return target;
        }
    }
    POINT client = screen;
    ScreenToClient(target, &client);
    PostMessageA(target, message, keys, MAKELONG(client.x, client.y));
    return target;
}
