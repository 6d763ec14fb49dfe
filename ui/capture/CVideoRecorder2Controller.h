#pragma once
// Edits a webcam recorder: the camera (through an embedded video source controller), the
// capture size and frame rate the camera offers, sound and the time stamp.
#include "CVideoHotPlugController.h"
#include "CVideoSource2Controller.h"
#include "UCaptureChoices.h"

class CButton;
class CComboBox;
class CPanel;
class CVideoCaptureSize2;

class CVideoRecorder2Controller : public CVideoHotPlugController {
public:
    CVideoRecorder2Controller();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetDefault() override;
    void Refresh() override;
    char* GetText() override;
    void SetVideoSource(CVideoSource2* source) override;
    void RefreshSource() override;

    virtual void RefreshSize();
    virtual void RefreshFrameRate();
    virtual void PopulateSizeCombo();
    virtual void PopulateFrameRateCombo();
    // The chosen device's size equal to the record's.
    virtual CVideoCaptureSize2* GetCaptureSize();
    virtual void ReflectDevice();
    virtual void ReflectAdvancedSettings();
    virtual void ReflectSize();
    virtual void ReflectFrameRate();
    virtual void ReflectCaptureAudio();
    virtual void ReflectAddTimeStamp();
    virtual void SetDefaultSize();
    virtual void SetDefualtFrameRate();
    virtual bool FindBestSize(unsigned short& width, unsigned short& height);
    virtual bool FindBestFrameRate(double& rate);

    void SetControls(CComboBox* device, CButton* more, CComboBox* size, CComboBox* frameRate, CButton* captureAudio,
                     CButton* timeStamp);
    // The sound page, enabled only while sound is recorded.
    void SetPanels(CPanel* audioPage);

    void EnterDevice();
    void EnterSize();
    void EnterFrameRate();
    void EnterCaptureAudio();
    void EnterAddTimeStamp();

    static CString GetSizeText(int width, int height);
    static bool GetSize(const char* text, int& width, int& height);
    static CString GetFrameRateText(double rate);

    CVideoSource2Controller& GetSourceController() { return m_source; }

protected:
    void FillSizeCombo(const std::vector<MvCaptureSize>& sizes);
    void FillFrameRateCombo(const std::vector<double>& rates);
    // The record's size and rate texts.
    CString SizeText() const;
    CString RateText() const;

    CVideoSource2Controller m_source;
    CButton* m_more = nullptr;
    CComboBox* m_size = nullptr;
    CComboBox* m_frameRate = nullptr;
    CButton* m_captureAudio = nullptr;
    CButton* m_timeStamp = nullptr;
    CPanel* m_audioPage = nullptr;
};
