#pragma once
// The tape transport of a DV camcorder's capture filter: play, pause, stop, steps and winding.
// Works only on a device that calls itself a tape recorder.
class CDirectShowFilter;
struct IAMExtTransport;

class CCamcorderControl {
public:
    explicit CCamcorderControl(CDirectShowFilter* device) : m_device(device) {}
    CCamcorderControl(const CCamcorderControl&) = delete;
    CCamcorderControl& operator=(const CCamcorderControl&) = delete;
    ~CCamcorderControl();

    bool HasControl();
    bool Play();
    bool Pause();
    bool Stop();
    bool StepForward();
    bool StepBackward();
    // Winds when the tape stands, else plays fast.
    bool FastForward();
    bool Rewind();
    // Lets go of the transport (before the device's filter goes).
    void Release();

    enum : long {
        kDeviceTypeCapability = 4103,
        kTapeRecorder = 4104,
        kModePlay = 4296,
        kModeStop = 4297,
        kModePause = 4298,
        kModeFastForward = 4300,
        kModeRewind = 4301,
        kModeStepForward = 4304,
        kModeStepBackward = 4905,
        kModePlayFastestForward = 5029,
        kModePlayFastestReverse = 5031,
    };

private:
    IAMExtTransport* Transport();
    bool SetMode(long mode);
    bool IsStopped();

    CDirectShowFilter* m_device;
    IAMExtTransport* m_transport = nullptr;
};
