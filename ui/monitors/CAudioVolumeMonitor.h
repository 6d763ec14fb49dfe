#pragma once
// Passes an audio source's volume and automatic volume to the recording that captures it.
#include "CListener.h"

class CAudioSource2;
class CDxRecordingTask;

class CAudioVolumeMonitor : public CListener {
public:
    CAudioVolumeMonitor() = default;
    CAudioVolumeMonitor(const CAudioVolumeMonitor& other);
    CAudioVolumeMonitor& operator=(const CAudioVolumeMonitor& other);
    ~CAudioVolumeMonitor() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;

    void SetSource(CAudioSource2* source);
    // Not listened to: the recording's owner keeps it alive while the monitor holds it.
    void SetRecorder(CDxRecordingTask* task) { m_task = task; }

private:
    CAudioSource2* m_source = nullptr;
    CDxRecordingTask* m_task = nullptr;
};
