#pragma once
// Keeps the extension of a job's save file in step with its output type (and, for video,
// with the RealMedia profile that chooses between two extensions).
#include "CListener.h"
#include "afx/CString.h"

class COutputType2;
class CRealOutput;
class CSaveFile2;

class CMediaOutputFileNameMonitor : public CListener {
public:
    explicit CMediaOutputFileNameMonitor(bool audioOnly);
    CMediaOutputFileNameMonitor(const CMediaOutputFileNameMonitor& other);
    CMediaOutputFileNameMonitor& operator=(const CMediaOutputFileNameMonitor& other);
    ~CMediaOutputFileNameMonitor() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    virtual CString GetExtension();

    // Does not rename by itself.
    void SetOutputType(COutputType2* output);
    void SetRealOutput(CRealOutput* real);
    // Not listened to.
    void SetFile(CSaveFile2* file) { m_file = file; }
    void Update();

private:
    bool m_audioOnly;
    COutputType2* m_output = nullptr;
    CRealOutput* m_real = nullptr;
    CSaveFile2* m_file = nullptr;
};
