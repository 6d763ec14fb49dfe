#pragma once
// A two-buffer writer whose consumer is a thread of its own. A derived class creates the
// buffers and writes each one out in WriteBufferInThread.
#include "CBufferController.h"
#include "CDoubleBufferThread.h"
#include "CMvCriticalSection.h"

class CThreadBufferController : public CBufferController {
public:
    CThreadBufferController();
    // Stops the thread before the buffers go.
    ~CThreadBufferController() override;

    bool IsOpen() override { return m_thread.IsRunning(); }
    bool OpenSelf() override;
    void CloseSelf() override;
    bool WriteData(const unsigned char* bytes, uint32_t n) override;
    void EndWrite(CDataBuffer* buffer) override;

    // Called by the thread: writes the current buffer, if any, and passes the next one on.
    virtual bool WriteInThread();
    virtual void WriteBufferInThread(CDataBuffer* buffer) { (void)buffer; }

    static constexpr DWORD kCloseWaitMilliseconds = 40;

protected:
    CMvCriticalSection m_section;
    CDoubleBufferThread m_thread;
};
