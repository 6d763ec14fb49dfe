#pragma once
// The "Recording Directory" option page.
#include "CEntryField.h"
#include "CRecordingPathController.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CButton.h"

class CRecordingPathPanel : public CResourceObjectPanel {
public:
    CRecordingPathPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int { kPath = 11180, kBrowse = 11181 };
    static constexpr unsigned kTemplate = 7130;

protected:
    void OnBrowse();
    DECLARE_MESSAGE_MAP()

private:
    CEntryField m_path;
    CButton m_browse;
    CRecordingPathController m_controller;
};
