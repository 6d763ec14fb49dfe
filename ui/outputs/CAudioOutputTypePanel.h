#pragma once
// The "Format" page of the audio export dialog: the audio output type.
#include "CAudioOutputTypeController.h"
#include "TOutputTypePanel.h"
#include "afx/controls/CButton.h"

class CAudioOutputTypePanel : public TOutputTypePanel<CAudioOutputTypeController> {
public:
    CAudioOutputTypePanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;
    void SetPanels(CPanel* wm, CPanel* real, CPanel* audio, CPanel* audio2, CPanel* complexity);

    enum : int { kConfigure = 7064 };
    static constexpr unsigned kTemplate = 7041;

protected:
    void OnTypeChanged();
    DECLARE_MESSAGE_MAP()

private:
    CButton m_configure;
};
