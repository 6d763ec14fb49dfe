#pragma once
// A progress window with its own controls, polling its action on a timer.
#include "CProgressWindow.h"
#include "CTimer.h"

class CWindowsProgressAction;

class CProgressDialog : public CProgressWindow {
public:
    explicit CProgressDialog(unsigned long gapMs = 500, CWnd* parent = nullptr);
    ~CProgressDialog() override;

    // The action must outlive the polling.
    void SetAction(CWindowsProgressAction* action, bool showSkip);
    void UpdateProgress();

    BOOL OnInitDialog() override;
    bool ListenToMessage(long message, const void* p, const void* q) override;

protected:
    void StartPolling() override { m_timer.Activate(static_cast<UINT>(m_gap)); }
    void StopPolling() override { m_timer.Deactivate(); }

private:
    CTimer m_timer;
    unsigned long m_gap;
    CWindowsProgressAction* m_action = nullptr;
};
