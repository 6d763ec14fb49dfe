#pragma once
// A dialog with an animated icon in the notification area and a menu there; minimised,
// it hides in the tray when the "Tray" setting says so.
#include "CListener.h"
#include "CTrayIcon.h"
#include "afx/windows/CDialog.h"

class CTaskBarDialog : public CDialog, public CListener {
public:
    CTaskBarDialog(unsigned templateId, CWnd* parent);

    void SetTrayIcon() { m_tray.Set(this); }
    void ResetTrayIcon() { m_tray.Reset(this); }
    // The tray menu's commands; derived dialogs handle them.
    virtual void HandleTaskBarMenuCommand(int) {}
    bool ListenToMessage(long message, const void* p, const void* q) override;

    // "settings.ini" in the user's data folder, section "Window", key "Tray".
    static bool GetMinimizeToSystemTray();
    static void SetMinimizeToSystemTray(bool minimize);

    CTrayIcon& GetTray() { return m_tray; }

protected:
    LRESULT OnSystemTray(WPARAM wParam, LPARAM lParam);
    void OnClose();
    void OnSize(UINT type, int cx, int cy);
    // Whether a minimised window goes to the tray.
    virtual bool HidesWhenMinimized() { return GetMinimizeToSystemTray(); }

    DECLARE_MESSAGE_MAP()

    CTrayIcon m_tray;
};
