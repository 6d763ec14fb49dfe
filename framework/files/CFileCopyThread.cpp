#include "CFileCopyThread.h"

#include "CFileCopyJob.h"
#include "UStringBuffer.h"

CFileCopyThread::CFileCopyThread() { SetAutoDelete(false); }

CFileCopyThread::~CFileCopyThread() { CancelAndWait(); }

void CFileCopyThread::AddJob(CFileCopyJob* job) { m_jobs.Add(job); }

void CFileCopyThread::Reset()
{
    // The worker must be done with the jobs before they go.
    CancelAndWait();
    m_current = nullptr;
    for (int i = 0; i < m_jobs.GetItemCount(); ++i) delete static_cast<CFileCopyJob*>(m_jobs.GetAt(i));
    m_jobs.RemoveAll();
}

void CFileCopyThread::Cancel()
{
    CWorkerThread::Cancel();
    if (CFileCopyJob* job = m_current.load()) job->Cancel();
}

char* CFileCopyThread::GetText()
{
    CFileCopyJob* job = m_current.load();
    return job ? job->GetText() : UStringBuffer::Text("");
}

double CFileCopyThread::GetProgress()
{
    __int64 total = 0;
    for (int i = 0; i < m_jobs.GetItemCount(); ++i) total += static_cast<CFileCopyJob*>(m_jobs.GetAt(i))->GetLength();
    CFileCopyJob* current = m_current.load();
    // Before the first job starts nothing is done.
    if (total <= 0 || !current) return 0;
    __int64 done = 0;
    for (int i = 0; i < m_jobs.GetItemCount(); ++i) {
        auto* job = static_cast<CFileCopyJob*>(m_jobs.GetAt(i));
        if (job == current) {
            done += job->GetDone();
            break;
        }
        done += job->GetLength();
    }
    return static_cast<double>(done) / static_cast<double>(total);
}

void CFileCopyThread::ExecuteSelf(long)
{
    m_prompter.Reset();
    for (int i = 0; i < m_jobs.GetItemCount() && !IsCanceled(); ++i) {
        auto* job = static_cast<CFileCopyJob*>(m_jobs.GetAt(i));
        m_current = job;
        if (job) job->Copy(&m_prompter);
    }
}
