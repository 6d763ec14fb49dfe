#pragma once
// The progress controls as a page that another window hosts; polls its action on a timer.
#include "CListener.h"
#include "CPanel.h"
#include "CTimer.h"

class CWindowsProgressAction;

class CProgressPanel : public CPanel, public CListener {
public:
    explicit CProgressPanel(CWnd* parent = nullptr);
    CProgressPanel(const CProgressPanel&) = delete;
    CProgressPanel& operator=(const CProgressPanel&) = delete;
    ~CProgressPanel() override;

    void SetAction(CWindowsProgressAction* action) { m_action = action; }
    void SetUpdateGap(unsigned long ms) { m_gap = ms; }
    void Start() { m_timer.Activate(static_cast<UINT>(m_gap)); }
    void End() { m_timer.Deactivate(); }
    void UpdateProgress();

    BOOL OnInitDialog() override;
    bool ListenToMessage(long message, const void* p, const void* q) override;

private:
    CTimer m_timer;
    unsigned long m_gap = 500;
    CWindowsProgressAction* m_action = nullptr;
};
