#pragma once
// Opens queued media files one by one on a worker thread and records what each holds;
// every path gives a media file, which the verifier judges later.
#include "CFileCheckAdministrator2.h"
#include "TFileCheckThread.h"

class CMediaFile2;

class CMediaFileCheckThread : public TFileCheckThread<CMediaFile2> {
public:
    ~CMediaFileCheckThread() override;

protected:
    CMediaFile2* CheckFile(const char* path) override;
    // The thread's COM for the engine's graphs.
    void BeginChecking() override;
    void EndChecking() override;

private:
    CFileCheckAdministrator2 m_admin;
};
