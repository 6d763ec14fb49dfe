#pragma once
// The page on which the user picks the device to convert for.
#include "CQuorlanDeviceTypeController.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CComboBox.h"

class CQuorlanDeviceTypePanel : public CResourceObjectPanel {
public:
    CQuorlanDeviceTypePanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;
    void SetPanels(CObjectPanel* profile, CObjectPanel* quality, CObjectPanel* saveFolder, CObjectPanel* sync,
                   CObjectPanel* info)
    {
        m_controller.SetPanels(profile, quality, saveFolder, sync, info);
    }
    void SetFilter(const char* filter) { m_controller.SetFilter(filter); }
    CQuorlanDeviceTypeController& GetDeviceTypeController() { return m_controller; }

    enum : int { kDeviceType = 7141 };
    static constexpr unsigned kTemplate = 7134;

protected:
    void OnDeviceTypeChanged();
    DECLARE_MESSAGE_MAP()

private:
    CComboBox m_deviceType;
    CQuorlanDeviceTypeController m_controller;
};
