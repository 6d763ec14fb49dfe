#pragma once
// What both progress dialogs share: a modeless window started and ended by its owner,
// Skip shown on request, and the user's Cancel and Skip broadcast with the dialog.
#include "CBroadcaster.h"
#include "CListener.h"
#include "afx/windows/CDialog.h"

inline constexpr long kProgressCancelMessage = 665034;
inline constexpr long kProgressSkipMessage = 665035;

class CProgressWindow : public CDialog, public CBroadcaster, public CListener {
public:
    CProgressWindow(const CProgressWindow&) = delete;
    CProgressWindow& operator=(const CProgressWindow&) = delete;

    // Makes the window when needed, shows it with the title and starts polling.
    void Start(const char* title);
    // Stops polling and destroys the window; the dialog can be started again.
    void End();

    BOOL OnInitDialog() override;
    void OnCancel() override;

protected:
    CProgressWindow(UINT templateId, CWnd* parent);
    virtual void StartPolling() = 0;
    virtual void StopPolling() = 0;
    void SetShowSkip(bool show) { m_showSkip = show; }

    void OnSkip();
    void OnClose();
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    UINT m_template;
    bool m_showSkip = false;
};
