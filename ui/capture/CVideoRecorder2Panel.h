#pragma once
// The webcam recorder page: the camera, its size and frame rate, sound and the time stamp.
// "More..." asks the page's listeners for the camera's own settings.
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"
#include "CVideoRecorder2Controller.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

// Broadcast by a recorder page with the page as first parameter: show the advanced settings
// of the left (or only) and of the right capture device.
inline constexpr long kDeviceSettingsMessage = 69881234;
inline constexpr long kDeviceSettings2Message = 69881235;

class CVideoRecorder2Panel : public CResourceObjectPanel {
public:
    CVideoRecorder2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;
    void SetPanels(CPanel* audioPage);
    CVideoRecorder2Controller& GetRecorderController() { return m_recorder; }

    enum : int {
        kDeviceLabel = 11116,
        kDevice = 11117,
        kMore = 11184,
        kSizeLabel = 11176,
        kSize = 11133,
        kFrameRateLabel = 1038,
        kFrameRate = 11073,
        kCaptureAudio = 11040,
        kTimeStamp = 11041,
    };
    static constexpr unsigned kTemplate = 7027;

protected:
    // The two-camera page shows these controls with its own controller, which it binds
    // once that is built.
    CVideoRecorder2Panel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent,
                         CVideoRecorder2Controller& controller);
    virtual void MakeTooltips();

    void OnDeviceChanged();
    void OnMore();
    void OnSizeChanged();
    void OnFrameRateChanged();
    void OnCaptureAudio();
    void OnTimeStamp();
    DECLARE_MESSAGE_MAP()

    CStatic m_deviceLabel;
    CComboBox m_device;
    CTooltipButton m_more;
    CStatic m_sizeLabel;
    CComboBox m_size;
    CStatic m_frameRateLabel;
    CComboBox m_frameRate;
    CTooltipButton m_captureAudio;
    CTooltipButton m_timeStamp;

private:
    CVideoRecorder2Controller m_controller;
    CVideoRecorder2Controller& m_recorder;
};
