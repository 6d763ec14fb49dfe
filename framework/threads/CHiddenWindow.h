#pragma once
// A 20 x 20 popup frame that is never shown: it carries work onto the thread that
// created it. Users share one window by reference count; the last one to leave sends
// kHiddenWindowCloseMessage and the window destroys itself.
#include "win32/WinTypes.h"

inline constexpr UINT kHiddenWindowCloseMessage = 1225;  // WM_USER + 201

class CHiddenWindow {
public:
    // Handles one message of the window; false passes it to the default handling.
    using Handler = bool (*)(void* context, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                             LRESULT& result);

    CHiddenWindow(const char* title, Handler handler) : m_title(title), m_handler(handler) {}
    CHiddenWindow(const CHiddenWindow&) = delete;
    CHiddenWindow& operator=(const CHiddenWindow&) = delete;

    // Takes a share, creating the window on the calling thread when there is none.
    // The window, or null when it could not be created (the share is taken all the same).
    HWND Acquire();
    // Gives a share back; the last one closes the window.
    void Release();
    HWND GetWindow() const { return m_window; }
    int GetUsers() const { return m_users; }

    // An unshared hidden window whose handler gets the context with every message, from
    // WM_NCCREATE to WM_NCDESTROY; closed by kHiddenWindowCloseMessage.
    static HWND Create(const char* title, Handler handler, void* context = nullptr);

private:
    const char* m_title;
    Handler m_handler;
    HWND m_window = nullptr;
    int m_users = 0;
};
