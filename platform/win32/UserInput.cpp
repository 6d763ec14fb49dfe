#include "win32/UserInput.h"

#include "win32/MessageQueue.h"
#include "win32/Window.h"

HWND MvPostMouseInput(UINT message, POINT screen, WPARAM keys)
{
    SetCursorPos(screen.x, screen.y);
    HWND target = GetCapture();
    if (!target) {
        target = WindowFromPoint(screen);
        if (!target || !IsWindowEnabled(GetAncestor(target, GA_ROOT))) return nullptr;
    }
    POINT client = screen;
    ScreenToClient(target, &client);
    PostMessageA(target, message, keys, MAKELONG(client.x, client.y));
    return target;
}
