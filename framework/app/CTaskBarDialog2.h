#pragma once
// The tray dialog without the ini setting: a minimised window hides in the tray only
// while both of its flags are set.
#include "CTaskBarDialog.h"

class CTaskBarDialog2 : public CTaskBarDialog {
public:
    CTaskBarDialog2(unsigned templateId, CWnd* parent);

    // The rotator's changes are handled here, not passed on.
    bool ListenToMessage(long message, const void* p, const void* q) override;
    void SetMinimizeToTray(bool first, bool second)
    {
        m_minimizeToTray = first;
        m_minimizeToTray2 = second;
    }

protected:
    bool HidesWhenMinimized() override { return m_minimizeToTray && m_minimizeToTray2; }

    bool m_minimizeToTray = false;
    bool m_minimizeToTray2 = false;
};
