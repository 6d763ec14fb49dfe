#pragma once
// The "Real Alternative" option page: the Real Alternative and RealPlayer folders.
#include "CEntryField.h"
#include "CRealAlternativePathController.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CButton.h"

class CRealAlternativePathPanel : public CResourceObjectPanel {
public:
    CRealAlternativePathPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int { kPath = 11180, kBrowse = 11181, kPath2 = 11182, kBrowse2 = 11183 };
    static constexpr unsigned kTemplate = 7119;

protected:
    void OnBrowse();
    void OnBrowse2();
    DECLARE_MESSAGE_MAP()

private:
    CEntryField m_path;
    CButton m_browse;
    CEntryField m_path2;
    CButton m_browse2;
    CRealAlternativePathController m_controller;
};
