#pragma once
// The source side of a camera recording: the camera through the time stamp filter as one
// processing video pin and, when asked for, a sound card's audio.
#include "CAudioCaptureInputFilters2.h"

class CTimeStampFilter;
class CVideoCaptureFilter;

class CVideoCaptureInputFilters2 : public CAudioCaptureInputFilters2 {
public:
    explicit CVideoCaptureInputFilters2(CDirectShowGraph* graph = nullptr);
    ~CVideoCaptureInputFilters2() override;

    bool CreateSelf() override;
    void Release() override;
    bool Connect() override;
    void Disconnect() override;
    int GetVideoPinCount(EOutputType type) override;
    CFilterPin* GetVideoPin(EOutputType type, int index) override;
    int GetAudioPinCount(EOutputType type) override;
    CFilterPin* GetAudioPin(EOutputType type, int index) override;

    void SetVideoDevice(const char* displayName);
    virtual void SetWidth(unsigned short width);
    virtual void SetHeight(unsigned short height);
    virtual void SetFrameRate(double rate);
    void SetWantsAudio(bool on) { m_wantsAudio = on; }
    // Whether the time is written into the pictures; passed on at once to a running filter.
    void SetWantsTimeStamp(bool on);
    bool HasSettings();
    bool ShowSettings();

    CVideoCaptureFilter* GetVideoCapture() const { return m_videoCapture; }
    CTimeStampFilter* GetTimeStamp() const { return m_timeStamp; }
    bool GetWantsAudio() const { return m_wantsAudio; }
    bool GetWantsTimeStamp() const { return m_wantsTimeStamp; }

    static const char* const kVideoError;
    static const char* const kAudioError;

protected:
    // The camera and the time stamp after it.
    bool CreateVideo();

    CVideoCaptureFilter* m_videoCapture;
    CTimeStampFilter* m_timeStamp;
    bool m_wantsAudio = true;
    bool m_wantsTimeStamp = false;
};
