#pragma once
// A progress window that hosts a progress panel in place of its placeholder.
#include "CProgressPanel.h"
#include "CProgressWindow.h"

class CProgressDialog2 : public CProgressWindow {
public:
    // The gap goes to the panel.
    explicit CProgressDialog2(unsigned long gapMs = 500, CWnd* parent = nullptr);
    ~CProgressDialog2() override;

    // The action goes to the panel, and must outlive the polling.
    void SetAction(CWindowsProgressAction* action, bool showSkip);
    CProgressPanel& GetPanel() { return m_panel; }

    BOOL OnInitDialog() override;

protected:
    void StartPolling() override { m_panel.Start(); }
    void StopPolling() override { m_panel.End(); }

private:
    CProgressPanel m_panel;
};
