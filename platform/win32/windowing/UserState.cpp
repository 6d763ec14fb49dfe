#include "win32/windowing/UserState.h"

#include "win32/kernel/Threads.h"
#include "win32/windowing/Window.h"
#include "win32/windowing/WindowObserver.h"

#include <algorithm>
#include <cctype>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace mvuser {
namespace {

struct Tables {
    std::map<uintptr_t, std::shared_ptr<WindowData>> windows;   // creation order
    uintptr_t next = 1;
    std::map<std::string, std::shared_ptr<const WindowClass>> classes;
    std::map<DWORD, std::weak_ptr<ThreadQueue>> queues;
};

// Never destroyed: windows may outlive static destruction order.
Tables& T()
{
    static Tables* tables = new Tables;
    return *tables;
}

std::string Lower(const char* text)
{
    std::string s = text ? text : "";
    for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

uintptr_t Key(HWND hwnd)
{
    return reinterpret_cast<uintptr_t>(hwnd) >> 4;
}

struct QueueHolder {
    std::shared_ptr<ThreadQueue> queue;
    ~QueueHolder()
    {
        if (!queue) return;
        {
            Guard guard(Lock());
            T().queues.erase(queue->thread);
        }
        std::deque<std::shared_ptr<SentMessage>> pending;
        {
            std::lock_guard<std::mutex> guard(queue->lock);
            queue->closed = true;
            pending.swap(queue->sent);
        }
        // Nobody will handle these any more: release their senders.
        for (auto& sent : pending) Complete(*sent, 0);
        // The thread's windows end with it; their procedures cannot run any more.
        for (HWND hwnd : WindowsOfThread(queue->thread)) {
            {
                Guard guard(Lock());
                auto w = FindAny(hwnd);
                if (!w) continue;
                if (auto parent = FindAny(w->parent)) {
                    auto& c = parent->children;
                    c.erase(std::remove(c.begin(), c.end(), hwnd), c.end());
                }
                w->dead = true;
                ForgetWindow(hwnd);
            }
            MvNotifyWindowObservers(hwnd, MvWindowEvent::Destroyed);
        }
    }
};

thread_local QueueHolder tQueue;

} // namespace

ThreadQueue::ThreadQueue(DWORD threadId) : thread(threadId)
{
    wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
}

ThreadQueue::~ThreadQueue()
{
    if (wakeFd >= 0) close(wakeFd);
}

void ThreadQueue::Wake()
{
    uint64_t one = 1;
    if (wakeFd >= 0) (void)!write(wakeFd, &one, sizeof one);
}

void ThreadQueue::Drain()
{
    uint64_t value;
    if (wakeFd >= 0)
        while (read(wakeFd, &value, sizeof value) > 0) {
        }
}

void ThreadQueue::WaitWake(int timeoutMs)
{
    pollfd p{wakeFd, POLLIN, 0};
    poll(&p, 1, timeoutMs);
}

void Complete(SentMessage& sent, LRESULT result)
{
    sent.result = result;
    auto sender = sent.sender.lock();
    sent.done.store(true);
    if (sender) sender->Wake();
}

std::recursive_mutex& Lock()
{
    static std::recursive_mutex* lock = new std::recursive_mutex;
    return *lock;
}

DWORD CurrentThread()
{
    // The kernel layer's thread id, so PostThreadMessage takes GetCurrentThreadId().
    return GetCurrentThreadId();
}

std::shared_ptr<ThreadQueue> CurrentQueue()
{
    if (!tQueue.queue) {
        tQueue.queue = std::make_shared<ThreadQueue>(CurrentThread());
        Guard guard(Lock());
        T().queues[tQueue.queue->thread] = tQueue.queue;
    }
    return tQueue.queue;
}

std::shared_ptr<ThreadQueue> QueueOf(DWORD thread)
{
    Guard guard(Lock());
    auto it = T().queues.find(thread);
    return it == T().queues.end() ? nullptr : it->second.lock();
}

void WakeAllQueues()
{
    std::vector<std::shared_ptr<ThreadQueue>> all;
    {
        Guard guard(Lock());
        for (auto& [id, weak] : T().queues)
            if (auto q = weak.lock()) all.push_back(q);
    }
    for (auto& q : all) q->Wake();
}

std::shared_ptr<WindowData> FindAny(HWND hwnd)
{
    if (!hwnd) return nullptr;
    Guard guard(Lock());
    auto it = T().windows.find(Key(hwnd));
    return it == T().windows.end() ? nullptr : it->second;
}

std::shared_ptr<WindowData> Find(HWND hwnd)
{
    auto w = FindAny(hwnd);
    return w && !w->dead ? w : nullptr;
}

std::shared_ptr<WindowData> NewWindow(std::shared_ptr<const WindowClass> cls)
{
    Guard guard(Lock());
    auto w = std::make_shared<WindowData>();
    uintptr_t key = T().next++;
    w->hwnd = reinterpret_cast<HWND>(key << 4);
    w->cls = std::move(cls);
    w->thread = CurrentThread();
    T().windows[key] = w;
    return w;
}

void ForgetWindow(HWND hwnd)
{
    Guard guard(Lock());
    T().windows.erase(Key(hwnd));
}

std::vector<HWND> AllWindows()
{
    Guard guard(Lock());
    std::vector<HWND> out;
    for (auto& [key, w] : T().windows)
        if (!w->dead) out.push_back(w->hwnd);
    return out;
}

std::vector<HWND> WindowsOfThread(DWORD thread)
{
    Guard guard(Lock());
    std::vector<HWND> out;
    for (auto& [key, w] : T().windows)
        if (!w->dead && w->thread == thread) out.push_back(w->hwnd);
    return out;
}

bool AddClass(const WindowClass& cls)
{
    Guard guard(Lock());
    auto key = Lower(cls.name.c_str());
    if (key.empty() || T().classes.count(key)) return false;
    T().classes[key] = std::make_shared<const WindowClass>(cls);
    return true;
}

bool RemoveClass(const char* name)
{
    Guard guard(Lock());
    return T().classes.erase(Lower(name)) > 0;
}

std::shared_ptr<const WindowClass> FindClass(const char* name)
{
    Guard guard(Lock());
    auto it = T().classes.find(Lower(name));
    return it == T().classes.end() ? nullptr : it->second;
}

DWORD ThreadOf(HWND hwnd)
{
    Guard guard(Lock());
    auto w = Find(hwnd);
    return w ? w->thread : 0;
}

LRESULT CallProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC proc = nullptr;
    {
        Guard guard(Lock());
        auto w = Find(hwnd);
        if (!w) return 0;
        proc = w->proc;
    }
    // The window may be destroyed by its own procedure: the caller keeps no reference.
    return proc ? proc(hwnd, message, wParam, lParam) : DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace mvuser
