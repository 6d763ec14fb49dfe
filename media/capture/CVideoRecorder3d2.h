#pragma once
// A stereo recording from two cameras, left and right, with its anaglyph settings.
#include "C3dInfo2.h"
#include "CVideoRecorder2.h"

class CVideoRecorder3d2 : public CVideoRecorder2 {
    MV_DECLARE_PERSIST_CLASS(CVideoRecorder3d2)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // A camera without a device is off; with the other one off, it is on.
    MV_DECLARE_PROPERTY(LeftOn, bool, bool)
    MV_DECLARE_PROPERTY(RightOn, bool, bool)

    bool GetLeftOn() const { return m_leftOn; }
    bool GetRightOn() const { return m_rightOn; }
    CVideoSource2& GetVideoSource2() { return m_videoSource2; }
    C3dInfo2& Get3dInfo() { return m_3dInfo; }

    // The device recorded first, the second one (if any), and both as one text.
    CString GetPrimaryDevice();
    CString GetSecondaryDevice();
    CString GetText();

    static constexpr LONG kLeftOnChangedNotice = FourCharCode("v3d3");
    static constexpr LONG kRightOnChangedNotice = FourCharCode("v3d4");

private:
    CString LeftDevice();
    CString RightDevice();

    bool m_leftOn = false;
    bool m_rightOn = false;
    CVideoSource2 m_videoSource2;
    C3dInfo2 m_3dInfo;
};
