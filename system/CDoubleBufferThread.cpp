#include "CDoubleBufferThread.h"
#include "CThreadBufferController.h"

#include "win32/kernel/Threads.h"

CDoubleBufferThread::~CDoubleBufferThread()
{
    End();
    while (IsRunning()) Sleep(1);
}

void CDoubleBufferThread::Execute()
{
    m_endRequest = false;
    HANDLE thread = CreateThread(nullptr, 0, Routine, this, CREATE_SUSPENDED, nullptr);
    if (!thread) return;
    m_thread = thread;
    ResumeThread(thread);
}

DWORD CDoubleBufferThread::Routine(LPVOID self)
{
    auto* thread = static_cast<CDoubleBufferThread*>(self);
    thread->ExecuteSelf();
    thread->Finish();
    return 0;
}

void CDoubleBufferThread::ExecuteSelf()
{
    if (!m_controller) return;
    while (!m_endRequest) {
        if (m_controller->WriteInThread()) continue;
        if (m_endRequest) break;
        Sleep(kIdleMilliseconds);
    }
}

void CDoubleBufferThread::Finish()
{
    HANDLE thread = m_thread.exchange(nullptr);
    if (thread) CloseHandle(thread);
}
