#pragma once
// Opens queued media files one by one on a worker thread and records what each holds,
// so adding many files does not freeze the window.
#include "CFileCheckAdministrator2.h"
#include "CPointerList.h"
#include "CWorkerThread.h"
#include "afx/CString.h"

#include <atomic>
#include <mutex>

class CMediaFile2;
class CPath;

class CMediaFileCheckThread : public CWorkerThread {
public:
    CMediaFileCheckThread();
    CMediaFileCheckThread(const CMediaFileCheckThread&) = delete;
    CMediaFileCheckThread& operator=(const CMediaFileCheckThread&) = delete;
    // Deletes whatever is still queued or unclaimed.
    ~CMediaFileCheckThread() override;

    void ExecuteSelf(long param) override;
    // "Checking " and the name of the file being checked.
    char* GetText() override;
    char* GetDetailText() override;

    // The paths to check (CPath*, owned) and the probed files (CMediaFile2*, owned until taken).
    CPointerList& GetQueue() { return m_queue; }
    CPointerList& GetResults() { return m_results; }
    // Deletes the queued paths and the unclaimed results.
    void Clear();

private:
    void CheckFile(const char* path);

    CFileCheckAdministrator2 m_admin;
    CPointerList m_queue;
    CPointerList m_results;
    std::atomic<int> m_index{0};
    std::mutex m_textLock;
    CString m_text;
};
