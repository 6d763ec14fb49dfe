#pragma once
// The DV camcorder recorder page: the camcorder to record from.
#include "CDvRecorder2Controller.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CDvRecorder2Panel : public CResourceObjectPanel {
public:
    CDvRecorder2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;
    CDvRecorder2Controller& GetRecorderController() { return m_controller; }

    enum : int {
        kDeviceLabel = 11116,
        kDevice = 11117,
    };
    static constexpr unsigned kTemplate = 7067;

protected:
    void OnDeviceChanged();
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_deviceLabel;
    CComboBox m_device;
    CDvRecorder2Controller m_controller;
};
