#include "win32/kernel/KernelObject.h"
#include "win32/kernel/Threads.h"
#include "win32/WinError.h"

#include <atomic>
#include <thread>

namespace {

std::atomic<DWORD> sNextThreadId{1};
thread_local DWORD tThreadId = 0;

class MvThread : public MvKernelObject {
public:
    MvThread(LPTHREAD_START_ROUTINE routine, LPVOID param, DWORD suspendCount)
        : m_routine(routine), m_param(param), m_id(sNextThreadId++), m_suspendCount(suspendCount) {}

    bool IsSignaled() const override { return m_finished; }
    DWORD Id() const { return m_id; }

    void Start(std::shared_ptr<MvThread> self)
    {
        std::thread([self] { self->Run(); }).detach();
    }

    DWORD Resume()
    {
        std::lock_guard<std::mutex> guard(MvWaitMutex());
        DWORD previous = m_suspendCount;
        if (m_suspendCount > 0 && --m_suspendCount == 0) MvWaitCondition().notify_all();
        return previous;
    }

    bool ExitCode(DWORD* code) const
    {
        std::lock_guard<std::mutex> guard(MvWaitMutex());
        *code = m_finished ? m_exitCode : STILL_ACTIVE;
        return true;
    }

private:
    void Run()
    {
        tThreadId = m_id;
        {
            std::unique_lock<std::mutex> lock(MvWaitMutex());
            MvWaitCondition().wait(lock, [this] { return m_suspendCount == 0; });
        }
        DWORD code = m_routine(m_param);
        {
            std::lock_guard<std::mutex> guard(MvWaitMutex());
            m_exitCode = code;
            m_finished = true;
        }
        MvWaitCondition().notify_all();
    }

    LPTHREAD_START_ROUTINE m_routine;
    LPVOID m_param;
    DWORD m_id;
    DWORD m_suspendCount;
    DWORD m_exitCode = 0;
    bool m_finished = false;
};

}

HANDLE CreateThread(void*, size_t, LPTHREAD_START_ROUTINE routine, LPVOID param, DWORD flags, DWORD* threadId)
{
    if (!routine) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto thread = std::make_shared<MvThread>(routine, param, (flags & CREATE_SUSPENDED) ? 1u : 0u);
    if (threadId) *threadId = thread->Id();
    HANDLE handle = MvRegisterHandle(thread);
    thread->Start(thread);
    return handle;
}

DWORD ResumeThread(HANDLE handle)
{
    auto thread = MvLookupHandleAs<MvThread>(handle);
    if (!thread) {
        SetLastError(ERROR_INVALID_HANDLE);
        return static_cast<DWORD>(-1);
    }
    return thread->Resume();
}

BOOL GetExitCodeThread(HANDLE handle, DWORD* exitCode)
{
    auto thread = MvLookupHandleAs<MvThread>(handle);
    if (!thread || !exitCode) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return thread->ExitCode(exitCode) ? TRUE : FALSE;
}

DWORD GetCurrentThreadId()
{
    if (tThreadId == 0) tThreadId = sNextThreadId++;
    return tThreadId;
}
