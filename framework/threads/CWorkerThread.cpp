#include "CWorkerThread.h"

#include "CHiddenWindow.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/kernel/Threads.h"

#include <chrono>

namespace {

// Handles what other threads send to this one, and nothing posted.
void HandleSentMessages()
{
    constexpr UINT kNoMessage = 0xBFFF;
    MSG msg;
    PeekMessageA(&msg, reinterpret_cast<HWND>(-1), kNoMessage, kNoMessage, PM_NOREMOVE);
}

} // namespace

CHiddenWindow& CWorkerThread::Window()
{
    static CHiddenWindow window("Threads", HandleWindowMessage);
    return window;
}

HWND CWorkerThread::GetThreadWindow()
{
    return Window().GetWindow();
}

bool CWorkerThread::HandleWindowMessage(void*, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        LRESULT& result)
{
    if (message != kWorkerUpdateWindowMessage && message != kWorkerFinishWindowMessage &&
        message != kWorkerBroadcastWindowMessage)
        return false;
    result = 0;
    auto* worker = reinterpret_cast<CWorkerThread*>(lParam);
    if (!worker || worker->m_stopping.load()) return true;
    if (message == kWorkerUpdateWindowMessage)
        worker->UpdateSelf();
    else if (message == kWorkerFinishWindowMessage) {
        worker->FinishSelf();
        // The finish is handled inside this thread's wait for messages, which returns only
        // for a posted one: without it the idle pass that offers the ended job's commands
        // again waits for the user's next move.
        PostMessageA(hwnd, WM_NULL, 0, 0);
    }
    else
        worker->Broadcast(static_cast<long>(wParam), worker, nullptr);
    return true;
}

CWorkerThread::CWorkerThread() : m_window(Window().Acquire()) {}

CWorkerThread::CWorkerThread(const CWorkerThread& other)
    : CBroadcaster(other),
      CWindowsProgressAction(other),
      m_window(Window().Acquire()),
      m_param(other.m_param),
      m_autoDelete(other.m_autoDelete),
      m_cancelled(other.m_cancelled.load()),
      m_progress(other.m_progress.load())
{
}

CWorkerThread::~CWorkerThread()
{
    CancelAndWait();
    Window().Release();
}

bool CWorkerThread::PrepareSelf(long)
{
    return true;
}

void CWorkerThread::ExecuteSelf(long) {}

void CWorkerThread::UpdateSelf() {}

void CWorkerThread::Cancel()
{
    m_cancelled = true;
}

bool CWorkerThread::Execute(long param)
{
    if (IsRunning()) return false;
    if (!PrepareSelf(param)) return false;
    StartProgress();
    m_stopping = false;
    m_cancelled = false;
    m_param = param;
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, ThreadRoutine, this, CREATE_SUSPENDED, &id);
    if (!thread) return false;
    m_threadId = id;
    m_thread = thread;
    ResumeThread(thread);
    Broadcast(kWorkerStartedMessage, this, nullptr);
    return true;
}

DWORD CWorkerThread::ThreadRoutine(LPVOID param)
{
    auto* worker = static_cast<CWorkerThread*>(param);
    worker->ExecuteSelf(worker->GetParam());
    // The finish may delete the worker: nothing of it is touched afterwards.
    worker->Finish();
    return 0;
}

void CWorkerThread::Finish()
{
    // A worker being destroyed waits for its thread and ends it itself.
    if (m_stopping.load()) return;
    if (m_window)
        SendMessageA(m_window, kWorkerFinishWindowMessage, 0, reinterpret_cast<LPARAM>(this));
    else
        FinishSelf();
}

void CWorkerThread::Update()
{
    if (m_window && !m_stopping.load())
        SendMessageA(m_window, kWorkerUpdateWindowMessage, 0, reinterpret_cast<LPARAM>(this));
}

void CWorkerThread::IndirectBroadcast(long code, const void*, const void*)
{
    if (m_window && !m_stopping.load())
        SendMessageA(m_window, kWorkerBroadcastWindowMessage, static_cast<WPARAM>(code),
                     reinterpret_cast<LPARAM>(this));
}

void CWorkerThread::FinishSelf()
{
    ForgetThread();
    Broadcast(kWorkerFinishedMessage, this, nullptr);
    if (m_autoDelete) delete this;
}

void CWorkerThread::ForgetThread()
{
    // The thread runs out on its own: its handle is closed, not waited for.
    HANDLE thread = m_thread.exchange(nullptr);
    m_threadId = 0;
    if (thread) CloseHandle(thread);
}

void CWorkerThread::CancelAndWait()
{
    StopWithin(INFINITE);
}

bool CWorkerThread::StopWithin(DWORD milliseconds)
{
    HANDLE thread = m_thread.load();
    if (!thread) return true;
    m_stopping = true;
    Cancel();
    if (m_threadId.load() != GetCurrentThreadId()) {
        // The thread may be waiting for this thread to handle its finish.
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (WaitForSingleObject(thread, 10) == WAIT_TIMEOUT) {
            HandleSentMessages();
            if (milliseconds != INFINITE && std::chrono::steady_clock::now() >= end) return false;
        }
    }
    ForgetThread();
    return true;
}
