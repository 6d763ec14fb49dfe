#pragma once
// The screen recorder page: what part of the screen, the region's place and size or the
// picked window, the speed, the pointer and sound.
#include "CEntryCombo.h"
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "CScreenRecorder2Controller.h"
#include "CTooltipButton.h"
#include "CWindowPicker.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CScreenRecorder2Panel : public CResourceObjectPanel {
public:
    CScreenRecorder2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;
    void SetPanels(CPanel* audioPage);
    CScreenRecorder2Controller& GetRecorderController() { return m_controller; }

    enum : int {
        kCaptureLabel = 7008,
        kCapture = 11019,
        kPick = 11030,
        kPicker = 11064,
        kXLabel = 11020,
        kYLabel = 11062,
        kWidthLabel = 11014,
        kHeightLabel = 11016,
        kX = 11021,
        kY = 11022,
        kWidth = 1036,
        kHeight = 1037,
        kCaptureCursor = 11025,
        kCaptureAudio = 11040,
        kWindow = 11031,
        kFrameRateLabel = 1038,
        kFrameRate = 11073,
    };
    static constexpr unsigned kTemplate = 7025;

protected:
    void OnCaptureChanged();
    void OnPick();
    void OnCaptureCursor();
    void OnCaptureAudio();
    void OnFrameRateChanged();
    DECLARE_MESSAGE_MAP()

private:
    void PickRegion();
    void MakePicker();

    CStatic m_captureLabel;
    CComboBox m_capture;
    CTooltipButton m_pick;
    CWindowPicker m_picker;
    CStatic m_xLabel;
    CStatic m_yLabel;
    CStatic m_widthLabel;
    CStatic m_heightLabel;
    CEntryField m_x;
    CEntryField m_y;
    CEntryField m_width;
    CEntryField m_height;
    CTooltipButton m_captureCursor;
    CTooltipButton m_captureAudio;
    CStatic m_window;
    CStatic m_frameRateLabel;
    CEntryCombo m_frameRate;
    CScreenRecorder2Controller m_controller;
};
