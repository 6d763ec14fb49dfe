#pragma once
// A window class for tests whose procedure records every message and can be given
// a per-message handler.
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace wintest {

struct Recorded {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

using Handler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM, bool& handled)>;

class Recorder {
public:
    static Recorder& Get();
    std::vector<Recorded> Of(HWND hwnd, UINT message);
    std::vector<UINT> MessagesOf(HWND hwnd);
    void Clear();
    void SetHandler(HWND hwnd, Handler handler);
    LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    std::mutex m_lock;
    std::vector<Recorded> m_log;
    std::map<HWND, Handler> m_handlers;
};

// Registers (once) and returns the test class name "MvTestWindow".
const char* TestClass();
HWND MakeWindow(HWND parent = nullptr, DWORD style = WS_OVERLAPPEDWINDOW, int id = 0, RECT r = {10, 20, 210, 170});

} // namespace wintest
