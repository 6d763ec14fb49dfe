#include "win32/windowing/UserInput.h"

#include "win32/windowing/MessageQueue.h"
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
    POINT client = screen;
    ScreenToClient(target, &client);
    PostMessageA(target, message, keys, MAKELONG(client.x, client.y));
    return target;
}
