#pragma once
// The page with the "do not re-encode" option of the audio track.
#include "CAdvAudioOutputController.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CButton.h"

class CAdvAudioOutputPanel : public CResourceObjectPanel {
public:
    CAdvAudioOutputPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int { kRemux = 7011 };
    static constexpr unsigned kTemplate = 7111;

protected:
    void OnRemux();
    DECLARE_MESSAGE_MAP()

private:
    CButton m_remux;
    CAdvAudioOutputController m_controller;
};
