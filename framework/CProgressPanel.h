#pragma once
// The progress controls as a page that another window hosts; polls its action on a timer.
// A child dialog until the framework's panel base class is there to derive from.
#include "CListener.h"
#include "CTimer.h"
#include "afx/CDialog.h"

class CWindowsProgressAction;

class CProgressPanel : public CDialog, public CListener {
public:
    explicit CProgressPanel(CWnd* parent = nullptr);
    CProgressPanel(const CProgressPanel&) = delete;
    CProgressPanel& operator=(const CProgressPanel&) = delete;
    ~CProgressPanel() override;

    // Creates the page as a child of host; false without a host or when it cannot be made.
    bool CreateInWindow(CWnd* host);
    void SetAction(CWindowsProgressAction* action) { m_action = action; }
    void SetUpdateGap(unsigned long ms) { m_gap = ms; }
    void Start() { m_timer.Activate(static_cast<UINT>(m_gap)); }
    void End() { m_timer.Deactivate(); }
    void UpdateProgress();

    BOOL OnInitDialog() override;
    // A page: Enter and Escape do not end it.
    void OnOK() override {}
    void OnCancel() override {}
    bool ListenToMessage(long message, const void* p, const void* q) override;

private:
    CTimer m_timer;
    unsigned long m_gap = 500;
    CWindowsProgressAction* m_action = nullptr;
};
