#pragma once
// Edits a two-camcorder 3D recorder: both camcorders, each on or off.
#include "CDvRecorder2Controller.h"

class CButton;
class CVideoRecorder3d2;

class CDvRecorder3d2Controller : public CDvRecorder2Controller {
public:
    CDvRecorder3d2Controller();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    bool ListenToMessage(long message, const void* p, const void* q) override;
    void SetObjectSelf(CPersistObject* object) override;
    // The catalogue's device of the left source while the left camcorder is on; an unplugged
    // device is not found, so removing it lets the defaults replace it.
    CVideoCaptureDevice2* GetCaptureDevice() override;
    void SetDefault() override;
    void Refresh() override;
    void RefreshSource() override;
    void HotPlugRemoveDevice(CCaptureDevice2* device) override;

    virtual CVideoCaptureDevice2* GetCaptureDevice2();
    virtual void ReflectLeftOn();
    virtual void ReflectRightOn();

    void SetMoreControls(CComboBox* device2, CButton* left, CButton* right);
    void EnterDevice2();
    void EnterVideoSource1Check();
    void EnterVideoSource2Check();

    CVideoRecorder3d2* GetRecorder3d() const;
    CDvSource2Controller& GetSourceController2() { return m_source2; }

private:
    CDvSource2Controller m_source2;
    CVideoSource2* m_videoSource2 = nullptr;
    CButton* m_left = nullptr;
    CButton* m_right = nullptr;
};
