#pragma once
// What the save location pages share: the path field with its browse, play and explore
// buttons and the rule for an existing file, handed to the page's controller.
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CSaveFile2Controller;

class CSaveLocationPanel : public CResourceObjectPanel {
public:
    CSaveLocationPanel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kPathLabel = 11009,
        kPath = 11010,
        kBrowse = 11011,
        kPlay = 11012,
        kExplore = 11014,
        kReplaceLabel = 11013,
        kReplace = 7046,
        kAutoName = 7101,
        kSameDir = 11170,
        kSpecify = 11169,
        kHelp = 11155,
    };

protected:
    virtual CSaveFile2Controller& SaveController() = 0;
    // Controls a page lacks stay unbound and reach the controller as null.
    virtual bool HasPlay() const { return true; }
    virtual bool HasAutoName() const { return false; }

    void OnBrowse();
    void OnExplore();
    void OnPlay();
    void OnReplaceChanged();
    DECLARE_MESSAGE_MAP()

    CStatic m_pathLabel;
    CEntryField m_path;
    CTooltipButton m_browse;
    CTooltipButton m_play;
    CTooltipButton m_explore;
    CStatic m_replaceLabel;
    CComboBox m_replace;
    CButton m_autoName;
};
