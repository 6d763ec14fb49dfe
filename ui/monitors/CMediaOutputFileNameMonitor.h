#pragma once
// Keeps the extension of a job's save file in step with its output type (and, for video,
// with the RealMedia profile that chooses between two extensions).
#include "COutputTypeFollower.h"

class CSaveFile2;

class CMediaOutputFileNameMonitor : public COutputTypeFollower {
public:
    explicit CMediaOutputFileNameMonitor(bool audioOnly) : m_audioOnly(audioOnly) {}

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    virtual CString GetExtension();

    // Not listened to.
    void SetFile(CSaveFile2* file) { m_file = file; }
    void Update();

private:
    bool m_audioOnly;
    CSaveFile2* m_file = nullptr;
};
