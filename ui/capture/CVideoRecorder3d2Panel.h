#pragma once
// The two-webcam 3D recorder page: each camera on or off with its device and settings, and
// the size, frame rate, sound and time stamp they share.
#include "CVideoRecorder2Panel.h"
#include "CVideoRecorder3d2Controller.h"

class CVideoRecorder3d2Panel : public CVideoRecorder2Panel {
public:
    CVideoRecorder3d2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;
    // The sound page and the 3D page, each enabled only while it applies.
    void SetPanels(CPanel* audioPage, CPanel* page3d);
    CVideoRecorder3d2Controller& GetRecorder3dController() { return m_controller3d; }

    enum : int {
        kLeft = 11189,
        kRight = 11190,
        kDevice2 = 11119,
        kMore2 = 11185,
    };
    static constexpr unsigned kTemplate = 7043;

protected:
    void MakeTooltips() override;
    void OnLeft();
    void OnRight();
    void OnDevice2Changed();
    void OnMore2();
    DECLARE_MESSAGE_MAP()

private:
    CTooltipButton m_left;
    CTooltipButton m_right;
    CComboBox m_device2;
    CTooltipButton m_more2;
    CVideoRecorder3d2Controller m_controller3d;
};
