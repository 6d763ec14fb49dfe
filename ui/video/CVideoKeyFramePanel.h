#pragma once
// The key-frame interval and latency page.
#include "CVideoKeyFrameController.h"
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CStatic.h"

class CVideoKeyFramePanel : public CResourceObjectPanel {
public:
    CVideoKeyFramePanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kKeyFrameLabel = 7076,
        kKeyFrame = 7077,
        kLatencyLabel = 7078,
        kLatency = 7079,
    };
    static constexpr unsigned kTemplate = 7106;

private:
    CStatic m_keyFrameLabel;
    CEntryField m_keyFrame;
    CStatic m_latencyLabel;
    CEntryField m_latency;
    CVideoKeyFrameController m_controller;
};
