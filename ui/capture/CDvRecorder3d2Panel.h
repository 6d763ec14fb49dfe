#pragma once
// The two-camcorder 3D recorder page: each camcorder on or off, with its device.
#include "CDvRecorder3d2Controller.h"
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"
#include "afx/controls/CComboBox.h"

class CDvRecorder3d2Panel : public CResourceObjectPanel {
public:
    CDvRecorder3d2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;
    CDvRecorder3d2Controller& GetRecorderController() { return m_controller; }

    enum : int {
        kLeft = 11189,
        kDevice = 11117,
        kRight = 11190,
        kDevice2 = 11119,
    };
    static constexpr unsigned kTemplate = 7070;

protected:
    void OnLeft();
    void OnDeviceChanged();
    void OnRight();
    void OnDevice2Changed();
    DECLARE_MESSAGE_MAP()

private:
    CTooltipButton m_left;
    CComboBox m_device;
    CTooltipButton m_right;
    CComboBox m_device2;
    CDvRecorder3d2Controller m_controller;
};
