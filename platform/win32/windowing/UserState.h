#pragma once
// Internal state of the window manager shared by Window.cpp, MessageQueue.cpp and
// Timer.cpp: the window table, the class table and the per-thread message queues.
// Not for use outside platform/win32.
#include "win32/Messages.h"

#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace mvuser {

struct WindowClass {
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int clsExtra = 0;
    int wndExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::string menuName;
};

struct WindowData {
    HWND hwnd = nullptr;
    DWORD thread = 0;
    std::shared_ptr<const WindowClass> cls;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT_PTR id = 0;
    HWND parent = nullptr;                // null: a top-level window
    HWND owner = nullptr;
    std::vector<HWND> children;           // z-order, topmost first
    RECT rect{};                          // in the parent's client coordinates, or the screen's
    WNDPROC proc = nullptr;
    LONG_PTR userData = 0;
    HINSTANCE instance = nullptr;
    HMENU menu = nullptr;
    std::vector<uint8_t> extra;
    std::map<std::string, HANDLE> props;
    RECT update{};
    bool hasUpdate = false;
    bool erase = false;
    bool destroying = false;
    bool dead = false;
    bool created = false;                 // WM_NCCREATE answered
    bool ownFrame = false;                // the window's WM_NCCALCSIZE chose its own frame
    RECT frame{};                         // that frame's widths (left, top, right, bottom)
    bool framePending = false;            // the frame waits for WM_NCPAINT
};

// A thread held at its messages for another thread (MvHoldWindowThread).
struct ThreadHold {
    std::atomic<bool> held{false};
    std::atomic<bool> released{false};
    std::weak_ptr<struct ThreadQueue> holder;
};

struct SentMessage {
    std::shared_ptr<ThreadHold> hold;     // set: not a message, the thread is to wait for its holder
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
    std::atomic<bool> done{false};
    int senderWakeFd = -1;
    std::weak_ptr<struct ThreadQueue> sender;
};

struct TimerEntry {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT period = 0;
    TIMERPROC proc = nullptr;
    int64_t due = 0;
};

struct ThreadQueue {
    explicit ThreadQueue(DWORD threadId);
    ~ThreadQueue();
    void Wake();
    void Drain();
    void WaitWake(int timeoutMs);

    const DWORD thread;
    int wakeFd = -1;
    std::mutex lock;                      // guards posted, sent, quit, timers
    std::deque<MSG> posted;
    std::deque<std::shared_ptr<SentMessage>> sent;
    bool closed = false;                  // the thread has ended
    bool quit = false;
    int quitCode = 0;
    std::vector<TimerEntry> timers;
    UINT_PTR nextThreadTimer = 0x7000;
    int inSend = 0;                       // handling a message sent from another thread
    // Input state of the thread, touched only on it.
    HWND focus = nullptr;
    HWND capture = nullptr;
    HWND active = nullptr;
};

// The big lock: guards the window and class tables and every WindowData.
std::recursive_mutex& Lock();
using Guard = std::lock_guard<std::recursive_mutex>;

DWORD CurrentThread();
std::shared_ptr<ThreadQueue> CurrentQueue();        // created on first use
std::shared_ptr<ThreadQueue> QueueOf(DWORD thread); // null when the thread has no queue
void WakeAllQueues();

std::shared_ptr<WindowData> Find(HWND hwnd);         // null for unknown or destroyed windows
std::shared_ptr<WindowData> FindAny(HWND hwnd);      // also while being destroyed
std::shared_ptr<WindowData> NewWindow(std::shared_ptr<const WindowClass> cls);
void ForgetWindow(HWND hwnd);
std::vector<HWND> AllWindows();                      // creation order
std::vector<HWND> WindowsOfThread(DWORD thread);
bool AddClass(const WindowClass& cls);
bool RemoveClass(const char* name);
std::shared_ptr<const WindowClass> FindClass(const char* name);

// Hands a sent message's result back and wakes its sender.
void Complete(SentMessage& sent, LRESULT result);
// Queues a message sent from another thread and wakes the thread; false once it has ended.
bool QueueSent(ThreadQueue& target, const std::shared_ptr<SentMessage>& sent);
// Handles every message sent to the thread from other threads; the count.
int HandleSent(ThreadQueue& q);
// Waits until done() holds, handling meanwhile what other threads send here, so two threads
// waiting on each other go on.
void WaitHandlingSent(ThreadQueue& q, const std::function<bool()>& done);
// Waits, still handling what is sent to the thread, until the holder lets go.
void WaitForHolder(ThreadQueue& q, ThreadHold& hold);

// Calls a window's procedure on the current thread, outside the lock.
LRESULT CallProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The next window of the thread that needs WM_PAINT (visible, with an update
// region, not frozen by LockWindowUpdate); null when none.
HWND NextPaintWindow(DWORD thread);

// Sleeps until the calling thread has work or timeoutMs passed, through the
// thread's wait hook when a driving toolkit set one.
void WaitForWork(int timeoutMs);
// Gives the driving toolkit one turn at its pending events without waiting.
void YieldToScreen();

// The queue of the thread that owns a window.
DWORD ThreadOf(HWND hwnd);

} // namespace mvuser
