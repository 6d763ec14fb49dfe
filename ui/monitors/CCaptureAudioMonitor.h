#pragma once
// Keeps a recorder's capture-audio flag and its output's wants-audio flag in step: an
// output type that cannot carry audio switches capturing audio off.
#include "CListener.h"

class CLiveRecorder2;
class CMediaOutput2;

class CCaptureAudioMonitor : public CListener {
public:
    CCaptureAudioMonitor() = default;
    CCaptureAudioMonitor(const CCaptureAudioMonitor& other);
    CCaptureAudioMonitor& operator=(const CCaptureAudioMonitor& other);
    ~CCaptureAudioMonitor() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;

    void SetOutput(CMediaOutput2* output);
    void SetRecorder(CLiveRecorder2* recorder);
    void UpdateFileType();
    void UpdateCaptureAudio();

private:
    CMediaOutput2* m_output = nullptr;
    CLiveRecorder2* m_recorder = nullptr;
};
