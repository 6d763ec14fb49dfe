#pragma once
// The program's one window: tool bar, status bar and the main panel as its only pane.
#include "CMorvaneMainFrame.h"
#include "CTelloraPanel.h"
#include "afx/windows/CStatusBar.h"
#include "afx/windows/CToolBar.h"

class CTelloraFrame : public CMorvaneMainFrame {
public:
    CTelloraFrame();
    ~CTelloraFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) override;
    CTelloraPanel& GetPanel() { return m_panel; }
    CStatusBar& GetStatusBar() { return m_statusBar; }
    CToolBar& GetToolBar() { return m_toolBar; }

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSetFocus(CWnd* old);
    DECLARE_MESSAGE_MAP()

private:
    CStatusBar m_statusBar;
    CToolBar m_toolBar;
    CTelloraPanel m_panel;
};
