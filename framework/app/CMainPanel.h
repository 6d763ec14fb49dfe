#pragma once
// The panel a main window is built on: it loads the application's "Data.xml" when
// its dialog initialises and saves it when its window is destroyed.
#include "CPanel.h"
#include "CPersistDataHost.h"

class CMainPanel : public CPanel, public CPersistDataHost {
public:
    CMainPanel(unsigned id, CWnd* parent);

    BOOL OnInitDialog() override;

protected:
    void OnDestroy();
    void OnFileOpen();
    void OnFileSave();

    DECLARE_MESSAGE_MAP()
};
