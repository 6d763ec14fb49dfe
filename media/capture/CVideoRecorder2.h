#pragma once
// A recording from a camera: picture size, frame rate and an optional time stamp.
#include "CLiveRecorder2.h"
#include "CVideoSource2.h"

class CVideoRecorder2 : public CLiveRecorder2 {
    MV_DECLARE_PERSIST_CLASS(CVideoRecorder2)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // 0 keeps the stored value.
    virtual unsigned short ValidateWidth(unsigned short width);
    virtual unsigned short ValidateHeight(unsigned short height);
    virtual void SideEffectSizeChanged();
    MV_DECLARE_PROPERTY(FrameRate, double, double)
    MV_DECLARE_PROPERTY(TimeStamp, bool, bool)

    // Both edges at once, announced once.
    bool SetSize(unsigned short width, unsigned short height);
    unsigned short GetWidth() const { return m_width; }
    unsigned short GetHeight() const { return m_height; }
    double GetFrameRate() const { return m_frameRate; }
    bool GetTimeStamp() const { return m_timeStamp; }
    CVideoSource2& GetVideoSource() { return m_videoSource; }

    static constexpr LONG kSizeChangedNotice = FourCharCode("vca3");
    static constexpr LONG kFrameRateChangedNotice = FourCharCode("vca4");
    static constexpr LONG kTimeStampChangedNotice = FourCharCode("vca5");

private:
    unsigned short m_width = 320;
    unsigned short m_height = 240;
    double m_frameRate = 15;
    bool m_timeStamp = false;
    CVideoSource2 m_videoSource;
};
