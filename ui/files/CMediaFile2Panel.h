#pragma once
// An input file's path, with the button that opens its preview.
#include "CMediaFile2Controller.h"
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"
#include "afx/controls/CEdit.h"
#include "afx/controls/CStatic.h"

class CMediaFile2Panel : public CResourceObjectPanel {
public:
    CMediaFile2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;
    BOOL OnInitDialog() override;

    enum : int {
        kFileLabel = 11009,
        kFile = 11010,
        kPreview = 7034,
    };
    static constexpr unsigned kTemplate = 7046;

    void Preview() { m_controller.Prompt(); }

protected:
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_fileLabel;
    CEdit m_file;
    CTooltipButton m_preview;
    CMediaFile2Controller m_controller;
};
