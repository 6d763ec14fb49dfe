#pragma once
// Names a conversion's output file after its input, folder and output type.
#include "COutputTypeFollower.h"

class CMediaFile2;
class CMediaOutput2;

class CMediaConversionFileNameMonitor : public COutputTypeFollower {
public:
    CMediaConversionFileNameMonitor() = default;
    CMediaConversionFileNameMonitor(const CMediaConversionFileNameMonitor& other);
    CMediaConversionFileNameMonitor& operator=(const CMediaConversionFileNameMonitor& other);
    ~CMediaConversionFileNameMonitor() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;

    // Not listened to.
    void SetDirectory(const char* folder) { m_folder = folder ? folder : ""; }
    void SetInput(CMediaFile2* input);
    void SetOutput(CMediaOutput2* output);
    void Update();

private:
    CMediaOutput2* GetMediaOutput() const;

    CString m_folder;
    CMediaFile2* m_input = nullptr;
};
