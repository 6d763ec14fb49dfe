#pragma once
// The consumer thread of a thread buffer controller: asks it to write what is pending
// until told to end.
#include "win32/WinTypes.h"

#include <atomic>

class CThreadBufferController;

class CDoubleBufferThread {
public:
    static constexpr DWORD kIdleMilliseconds = 20;

    CDoubleBufferThread() = default;
    CDoubleBufferThread(const CDoubleBufferThread&) = delete;
    CDoubleBufferThread& operator=(const CDoubleBufferThread&) = delete;
    // Ends a running thread and waits for it.
    virtual ~CDoubleBufferThread();

    virtual void ExecuteSelf();

    void SetController(CThreadBufferController* controller) { m_controller = controller; }
    void Execute();
    // The thread stops after the write in progress without asking the controller again.
    void End() { m_endRequest = true; }
    bool IsRunning() const { return m_thread.load() != nullptr; }

private:
    static DWORD Routine(LPVOID self);
    void Finish();

    CThreadBufferController* m_controller = nullptr;
    std::atomic<HANDLE> m_thread{nullptr};
    std::atomic<bool> m_endRequest{false};
};
