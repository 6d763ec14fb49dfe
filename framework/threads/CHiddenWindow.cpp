#include "CHiddenWindow.h"

#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

namespace {

constexpr const char* kClassName = "MvHiddenFrame";

struct SHiddenTarget {
    CHiddenWindow::Handler handler;
    void* context;
};

LRESULT HiddenWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (message == kHiddenWindowCloseMessage) {
        DestroyWindow(hwnd);
        return 0;
    }
    auto* target = reinterpret_cast<SHiddenTarget*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    LRESULT result = 0;
    bool handled = target && target->handler &&
                   target->handler(target->context, hwnd, message, wParam, lParam, result);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        delete target;
    }
    return handled ? result : DefWindowProcA(hwnd, message, wParam, lParam);
}

bool RegisterHiddenClass()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = HiddenWindowProc;
    wc.lpszClassName = kClassName;
    WNDCLASSA existing{};
    return GetClassInfoA(nullptr, kClassName, &existing) || RegisterClassA(&wc) != 0;
}

} // namespace

HWND CHiddenWindow::Create(const char* title, Handler handler, void* context)
{
    static const bool registered = RegisterHiddenClass();
    if (!registered) return nullptr;
    auto* target = new SHiddenTarget{handler, context};
    HWND hwnd = CreateWindowExA(0, kClassName, title, WS_POPUP | WS_BORDER | WS_SYSMENU, 0, 0, 20, 20, nullptr,
                                nullptr, nullptr, target);
    // A window refused at creation has had its WM_NCDESTROY, which freed the target.
    return hwnd;
}

HWND CHiddenWindow::Acquire()
{
    if (m_users++ == 0 || !IsWindow(m_window)) m_window = Create(m_title, m_handler);
    return m_window;
}

void CHiddenWindow::Release()
{
    if (m_users <= 0) return;
    if (--m_users > 0) return;
    if (m_window) SendMessageA(m_window, kHiddenWindowCloseMessage, 0, 0);
    m_window = nullptr;
}
