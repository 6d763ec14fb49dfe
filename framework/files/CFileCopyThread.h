#pragma once
// Copies a list of byte ranges into target files on a worker thread, asking before it
// replaces an existing target; one "Apply to All" answer serves the rest of the run.
#include "CPointerList.h"
#include "CRepeatPrompter.h"
#include "CWorkerThread.h"

#include <atomic>

class CFileCopyJob;

class CFileCopyThread : public CWorkerThread {
public:
    CFileCopyThread();
    CFileCopyThread(const CFileCopyThread&) = delete;
    CFileCopyThread& operator=(const CFileCopyThread&) = delete;
    // The jobs are left to the caller's Reset.
    ~CFileCopyThread() override;

    // The thread owns the job from now on.
    void AddJob(CFileCopyJob* job);
    // Deletes every job (waiting for a running copy first).
    void Reset();
    void Cancel() override;
    // The current job's text, or empty text, in the shared text ring.
    char* GetText();
    double GetProgress() override;
    int GetJobCount() const { return m_jobs.GetItemCount(); }

    void ExecuteSelf(long param) override;

private:
    CRepeatPrompter m_prompter;
    CPointerList m_jobs;
    std::atomic<CFileCopyJob*> m_current{nullptr};
};
