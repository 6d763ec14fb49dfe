#pragma once
// Tests the compressors of one kind on a worker thread after start-up. The list is made
// (and the user asked) on the user-interface thread before the thread starts; each
// result is handed back to that thread, which alone writes the codec catalogue.
#include "CWorkerThread.h"
#include "SCodecTestResult.h"
#include "afx/CString.h"

#include <memory>
#include <mutex>
#include <vector>

class CCompressorTestAdministrator2;

class CCodecTesterThread : public CWorkerThread {
public:
    // Takes the administrator, built with full check on.
    explicit CCodecTesterThread(CCompressorTestAdministrator2* administrator);
    ~CCodecTesterThread() override;

    void SetPrompt(bool prompt);
    // Cancels a running job, waits for it at most that long, and writes what it found so far;
    // false when it still runs.
    bool Stop(DWORD milliseconds = 0xFFFFFFFFu);
    bool PrepareSelf(long param) override;
    void ExecuteSelf(long param) override;
    void UpdateSelf() override;
    void FinishSelf() override;
    char* GetText() override;
    CCompressorTestAdministrator2* GetAdministrator() const { return m_administrator.get(); }

    // The pause before testing starts, so start-up is not slowed.
    static unsigned long sStartDelayMs;

private:
    std::unique_ptr<CCompressorTestAdministrator2> m_administrator;
    std::mutex m_lock;
    std::vector<SCodecTestResult> m_found;  // results not yet written into the catalogue
    CString m_text;
};

// The two kinds the engine application starts.
class CAudioTesterThread : public CCodecTesterThread {
public:
    CAudioTesterThread();
};

class CVideoTesterThread : public CCodecTesterThread {
public:
    CVideoTesterThread();
};
