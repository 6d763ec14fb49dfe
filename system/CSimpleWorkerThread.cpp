#include "CSimpleWorkerThread.h"

#include "win32/kernel/Threads.h"

CSimpleWorkerThread::~CSimpleWorkerThread()
{
    if (m_thread && GetCurrentThreadId() != m_threadId) WaitForSingleObject(m_thread, INFINITE);
    if (m_thread) CloseHandle(m_thread);
}

void CSimpleWorkerThread::Execute(long param)
{
    // The previous job's thread has ended (or is ending): its handle is not needed any more.
    if (m_thread) {
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
    }
    m_running = true;
    m_param = param;
    m_thread = CreateThread(nullptr, 0, Routine, this, CREATE_SUSPENDED, &m_threadId);
    if (!m_thread) {
        m_running = false;
        return;
    }
    ResumeThread(m_thread);
}

bool CSimpleWorkerThread::WaitForEnd(DWORD milliseconds) const
{
    if (!m_running) return true;
    if (!m_thread || GetCurrentThreadId() == m_threadId) return false;
    WaitForSingleObject(m_thread, milliseconds);
    return !m_running;
}

DWORD CSimpleWorkerThread::Routine(LPVOID self)
{
    auto* thread = static_cast<CSimpleWorkerThread*>(self);
    thread->ExecuteSelf(thread->GetParam());
    thread->Finish();
    return 0;
}

void CSimpleWorkerThread::Finish()
{
    bool autoDelete = m_autoDelete;
    m_running = false;
    if (autoDelete) delete this;
}
