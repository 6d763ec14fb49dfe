#include "CThreadBufferController.h"
#include "CDataBuffer.h"
#include "CMvSingleLock.h"

#include "win32/kernel/Threads.h"

CThreadBufferController::CThreadBufferController() { m_thread.SetController(this); }

CThreadBufferController::~CThreadBufferController() { Close(); }

bool CThreadBufferController::OpenSelf()
{
    if (m_thread.IsRunning()) return false;
    m_thread.Execute();
    return m_thread.IsRunning();
}

void CThreadBufferController::CloseSelf()
{
    m_thread.End();
    while (m_thread.IsRunning()) Sleep(kCloseWaitMilliseconds);
}

bool CThreadBufferController::WriteData(const unsigned char* bytes, uint32_t n)
{
    if (!GetFirstBuffer() || !GetSecondBuffer()) return false;
    // Wait for room without the lock: the thread needs it to free a buffer.
    for (;;) {
        {
            CMvSingleLock lock(m_section, true);
            CDataBuffer* current = GetCurrentBuffer();
            CDataBuffer* target = current ? GetOtherBuffer(current) : GetFirstBuffer();
            if (target->IsAvailable()) return CBufferController::WriteData(bytes, n);
        }
        // Only the thread frees a buffer: without it the wait would never end.
        if (!m_thread.IsRunning()) return false;
        Sleep(kWaitMilliseconds);
    }
}

void CThreadBufferController::EndWrite(CDataBuffer* buffer)
{
    CMvSingleLock lock(m_section, true);
    CBufferController::EndWrite(buffer);
}

bool CThreadBufferController::WriteInThread()
{
    CMvSingleLock lock(m_section, true);
    CDataBuffer* current = GetCurrentBuffer();
    if (!current) return false;
    WriteBufferInThread(current);
    // Clears the current buffer and ends it, which passes the other one on when it holds data.
    ReachEnd();
    return true;
}
