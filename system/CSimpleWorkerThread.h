#pragma once
// Runs one job (ExecuteSelf) on a thread of its own and knows whether it still runs.
#include "win32/WinTypes.h"

#include <atomic>

class CSimpleWorkerThread {
public:
    CSimpleWorkerThread() = default;
    CSimpleWorkerThread(const CSimpleWorkerThread&) = delete;
    CSimpleWorkerThread& operator=(const CSimpleWorkerThread&) = delete;
    // Waits for a running job first: nothing is destroyed under its thread.
    virtual ~CSimpleWorkerThread();

    virtual void ExecuteSelf(long param) { (void)param; }

    // Starts the job; may be called again once it has ended.
    void Execute(long param);
    long GetParam() const { return m_param; }
    bool IsRunning() const { return m_running; }
    // Blocks until the job's thread has ended or the time is up; true when no job runs.
    // Not for self-deleting jobs, nor from the job's own thread (false at once).
    bool WaitForEnd(DWORD milliseconds) const;

protected:
    // With it set the object deletes itself when its job ends.
    bool m_autoDelete = false;

private:
    static DWORD Routine(LPVOID self);
    void Finish();

    HANDLE m_thread = nullptr;
    DWORD m_threadId = 0;
    long m_param = 0;
    std::atomic<bool> m_running{false};
};
