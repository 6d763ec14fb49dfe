#pragma once
// A frame with an animated icon in the notification area and a menu there; minimised
// with both of its flags set, it hides in the tray.
#include "CListener.h"
#include "CTrayIcon.h"
#include "afx/windows/CFrameWnd.h"

class CTaskBarFrame : public CFrameWnd, public CListener {
    DECLARE_DYNCREATE(CTaskBarFrame)
public:
    CTaskBarFrame();

    void SetTrayIcon() { m_tray.Set(this); }
    void ResetTrayIcon() { m_tray.Reset(this); }
    virtual void HandleTaskBarMenuCommand(int) {}
    bool ListenToMessage(long message, const void* p, const void* q) override;

    void SetMinimizeToTray(bool first, bool second)
    {
        m_minimizeToTray = first;
        m_minimizeToTray2 = second;
    }
    CTrayIcon& GetTray() { return m_tray; }

protected:
    LRESULT OnSystemTray(WPARAM wParam, LPARAM lParam);
    void OnClose();
    void OnSize(UINT type, int cx, int cy);

    DECLARE_MESSAGE_MAP()

    CTrayIcon m_tray;
    bool m_minimizeToTray = false;
    bool m_minimizeToTray2 = false;
};
