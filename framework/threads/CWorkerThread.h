#pragma once
// One job on a thread of its own. Preparing runs on the calling thread, the job on the
// worker thread, and progress updates, relayed broadcasts and the end of the job on the
// user-interface thread, through the hidden "Threads" window shared by all workers.
// The first worker must be constructed on the user-interface thread.
#include "CBroadcaster.h"
#include "CWindowsProgressAction.h"
#include "win32/WinTypes.h"

#include <atomic>

class CHiddenWindow;

inline constexpr UINT kWorkerUpdateWindowMessage = 1224;     // WM_USER + 200
inline constexpr UINT kWorkerFinishWindowMessage = 1226;     // WM_USER + 202
inline constexpr UINT kWorkerBroadcastWindowMessage = 1227;  // WM_USER + 203
inline constexpr long kWorkerStartedMessage = 2000000;
inline constexpr long kWorkerFinishedMessage = 2000001;

class CWorkerThread : public CBroadcaster, public CWindowsProgressAction {
public:
    CWorkerThread();
    // A copy has the job's settings but no thread, and a share of the window of its own.
    CWorkerThread(const CWorkerThread& other);
    CWorkerThread& operator=(const CWorkerThread&) = delete;
    // A job still running is cancelled and waited for first.
    ~CWorkerThread() override;

    virtual bool PrepareSelf(long param);
    virtual void ExecuteSelf(long param);
    // On the user-interface thread; deriving classes call it last, as it may delete the worker.
    virtual void FinishSelf();
    virtual void UpdateSelf();
    virtual void Cancel();
    double GetProgress() override { return m_progress.load(); }

    // False when preparing refuses, when a job already runs or when no thread can be had.
    bool Execute(long param);
    long GetParam() const { return m_param; }
    // Worker thread: the job has returned.
    void Finish();
    // Worker thread: have UpdateSelf run on the user-interface thread.
    void Update();
    // Worker thread: broadcast (code, this worker, null) on the user-interface thread.
    void IndirectBroadcast(long code, const void* p, const void* q);

    bool IsCanceled() const { return m_cancelled.load(); }
    bool IsRunning() const { return m_thread.load() != nullptr; }
    void SetProgress(double progress) { m_progress.store(progress); }
    void SetAutoDelete(bool autoDelete) { m_autoDelete = autoDelete; }
    bool GetAutoDelete() const { return m_autoDelete; }

    // Cancels a running job and waits for its thread at most that long, handling what the
    // thread sends meanwhile. False when it still runs: it then ends on its own without
    // running its steps, and a later call finds it ended.
    bool StopWithin(DWORD milliseconds);

    // The shared window, or null when no worker exists.
    static HWND GetThreadWindow();

protected:
    // Cancels a running job and waits for its thread, handling what the thread sends
    // meanwhile without running its steps. A deriving class whose job uses its own
    // members calls this first in its destructor.
    void CancelAndWait();

private:
    static CHiddenWindow& Window();
    static DWORD ThreadRoutine(LPVOID param);
    static bool HandleWindowMessage(void* context, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    LRESULT& result);
    void ForgetThread();

    HWND m_window = nullptr;
    std::atomic<HANDLE> m_thread{nullptr};
    std::atomic<DWORD> m_threadId{0};
    long m_param = 0;
    bool m_autoDelete = true;
    std::atomic<bool> m_cancelled{false};
    std::atomic<double> m_progress{0};
    // Set while the worker is being stopped: the thread's messages no longer run its steps.
    std::atomic<bool> m_stopping{false};
};
