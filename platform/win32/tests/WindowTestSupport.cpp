#include "WindowTestSupport.h"

namespace wintest {

Recorder& Recorder::Get()
{
    static Recorder recorder;
    return recorder;
}

std::vector<Recorded> Recorder::Of(HWND hwnd, UINT message)
{
    std::lock_guard<std::mutex> guard(m_lock);
    std::vector<Recorded> out;
    for (auto& r : m_log)
        if (r.hwnd == hwnd && r.message == message) out.push_back(r);
    return out;
}

std::vector<UINT> Recorder::MessagesOf(HWND hwnd)
{
    std::lock_guard<std::mutex> guard(m_lock);
    std::vector<UINT> out;
    for (auto& r : m_log)
        if (r.hwnd == hwnd) out.push_back(r.message);
    return out;
}

void Recorder::Clear()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_log.clear();
    m_handlers.clear();
}

void Recorder::SetHandler(HWND hwnd, Handler handler)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_handlers[hwnd] = std::move(handler);
}

LRESULT Recorder::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Handler handler;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_log.push_back({hwnd, message, wParam, lParam});
        auto it = m_handlers.find(hwnd);
        if (it != m_handlers.end()) handler = it->second;
    }
    if (handler) {
        bool handled = false;
        LRESULT r = handler(hwnd, message, wParam, lParam, handled);
        if (handled) return r;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

static LRESULT TestProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return Recorder::Get().Proc(hwnd, message, wParam, lParam);
}

const char* TestClass()
{
    static bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = TestProc;
        wc.lpszClassName = "MvTestWindow";
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    return "MvTestWindow";
}

HWND MakeWindow(HWND parent, DWORD style, int id, RECT r)
{
    return CreateWindowExA(0, TestClass(), "test", style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
}

} // namespace wintest
