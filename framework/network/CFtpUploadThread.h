#pragma once
// The background thread that serves every live FTP image handler, every 10 ms.
// It deletes itself when it finishes.
#include "CWorkerThread.h"

class CFtpUploadThread : public CWorkerThread {
public:
    CFtpUploadThread() = default;
    CFtpUploadThread(const CFtpUploadThread& other) = default;
    CFtpUploadThread& operator=(const CFtpUploadThread&) = delete;
    ~CFtpUploadThread() override { CancelAndWait(); }

    void ExecuteSelf(long param) override;
};
