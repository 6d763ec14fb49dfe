#pragma once
// Checks queued files one by one on a worker thread, so adding many files does not freeze
// the window. The queue (CPath*, owned) is filled before the start; the results (TResult*,
// owned until taken) are taken on the user-interface thread after the end.
#include "CPath.h"
#include "CPointerList.h"
#include "CWorkerThread.h"
#include "UCheckingText.h"
#include "UStringBuffer.h"
#include "afx/CString.h"

#include <atomic>
#include <mutex>

template <class TResult>
class TFileCheckThread : public CWorkerThread {
public:
    TFileCheckThread() { SetAutoDelete(false); }
    TFileCheckThread(const TFileCheckThread&) = delete;
    TFileCheckThread& operator=(const TFileCheckThread&) = delete;
    // A deriving class whose check uses its own members stops the job first in its destructor.
    ~TFileCheckThread() override
    {
        CancelAndWait();
        Clear();
    }

    void ExecuteSelf(long) override
    {
        SetProgress(0);
        BeginChecking();
        const int count = m_queue.GetItemCount();
        for (int i = 0; i < count && !IsCanceled(); ++i) {
            m_index = i;
            SetProgress(double(i) / count);
            const CString path(static_cast<CPath*>(m_queue.GetAt(i))->GetFilePath());
            {
                const CString text = UCheckingText::Of(path);
                std::lock_guard<std::mutex> guard(m_textLock);
                m_text = text;
            }
            if (TResult* result = CheckFile(path)) m_results.Add(result);
        }
        EndChecking();
    }

    // The status text: "Checking " and the name of the file being checked.
    char* GetDetailText() override
    {
        std::lock_guard<std::mutex> guard(m_textLock);
        return UStringBuffer::Text(m_text);
    }

    CPointerList& GetQueue() { return m_queue; }
    CPointerList& GetResults() { return m_results; }
    int GetIndex() const { return m_index.load(); }

    // Deletes the queued paths and the unclaimed results.
    void Clear()
    {
        for (int i = 0; i < m_queue.GetItemCount(); ++i) delete static_cast<CPath*>(m_queue.GetAt(i));
        m_queue.RemoveAll();
        for (int i = 0; i < m_results.GetItemCount(); ++i) delete static_cast<TResult*>(m_results.GetAt(i));
        m_results.RemoveAll();
    }

protected:
    // Worker thread: what the file holds, or null to drop it.
    virtual TResult* CheckFile(const char* path) = 0;
    virtual void BeginChecking() {}
    virtual void EndChecking() {}

private:
    CPointerList m_queue;
    CPointerList m_results;
    std::atomic<int> m_index{0};
    std::mutex m_textLock;
    CString m_text;
};
