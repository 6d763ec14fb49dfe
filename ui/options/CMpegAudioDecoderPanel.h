#pragma once
// The "MPEG Audio Decoder" option page: which channels of MPEG-1 audio are decoded.
#include "CMpegAudioDecoderController.h"
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"

class CMpegAudioDecoderPanel : public CResourceObjectPanel {
public:
    CMpegAudioDecoderPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;

    enum : int { kBoth = 11131, kLeft = 11129, kRight = 11130 };
    static constexpr unsigned kTemplate = 7063;

protected:
    void OnBoth();
    void OnLeft();
    void OnRight();
    DECLARE_MESSAGE_MAP()

private:
    CTooltipButton m_both;
    CTooltipButton m_left;
    CTooltipButton m_right;
    CMpegAudioDecoderController m_controller;
};
