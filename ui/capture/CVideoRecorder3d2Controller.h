#pragma once
// Edits a two-webcam 3D recorder: both cameras, each on or off, the size and frame rate
// that the cameras in use share, and the 3D page enabled only while both are on.
#include "CVideoRecorder2Controller.h"

class CVideoRecorder3d2;

class CVideoRecorder3d2Controller : public CVideoRecorder2Controller {
public:
    CVideoRecorder3d2Controller();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    bool ListenToMessage(long message, const void* p, const void* q) override;
    void SetObjectSelf(CPersistObject* object) override;
    // The catalogue's device of the left source while the left camera is on; an unplugged
    // device is not found, so removing it lets the defaults replace it.
    CVideoCaptureDevice2* GetCaptureDevice() override;
    void PopulateSizeCombo() override;
    void PopulateFrameRateCombo() override;
    void SetDefault() override;
    void SetDefaultSize() override;
    void SetDefualtFrameRate() override;
    bool FindBestSize(unsigned short& width, unsigned short& height) override;
    bool FindBestFrameRate(double& rate) override;
    void Refresh() override;
    void RefreshSource() override;
    char* GetText() override;
    void HotPlugRemoveDevice(CCaptureDevice2* device) override;

    virtual CVideoCaptureDevice2* GetCaptureDevice2();
    virtual CVideoCaptureSize2* GetCaptureSize2();
    virtual void ReflectDevice2();
    virtual void ReflectAdvancedSettings2();
    virtual void Reflect3d();
    virtual void ReflectLeftOn();
    virtual void ReflectRightOn();

    void SetMoreControls(CComboBox* device2, CButton* more2, CButton* left, CButton* right);
    void SetMorePanels(CPanel* page3d);

    void EnterDevice2();
    void EnterVideoSource1Check();
    void EnterVideoSource2Check();

    CVideoRecorder3d2* GetRecorder3d() const;
    CVideoSource2Controller& GetSourceController2() { return m_source2; }

private:
    std::vector<MvCaptureSize> CandidateSizes();
    std::vector<double> CandidateRates();

    CVideoSource2Controller m_source2;
    CVideoSource2* m_videoSource2 = nullptr;
    CButton* m_more2 = nullptr;
    CButton* m_left = nullptr;
    CButton* m_right = nullptr;
    CPanel* m_page3d = nullptr;
};
