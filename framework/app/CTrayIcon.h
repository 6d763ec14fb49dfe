#pragma once
// A window's icon in the notification area: its tip, its menu and the icon rotator
// that animates it. The dialogs and frames with a tray icon hold one.
#include "CIconRotator.h"
#include "CPopupMenu.h"
#include "afx/CString.h"

class CWnd;

class CTrayIcon {
public:
    static constexpr UINT kIconId = 100;
    static constexpr UINT kCallbackMessage = WM_USER + 2;
    static constexpr size_t kMaxTip = 127;

    CTrayIcon() = default;
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Adds the icon the first time, later changes it to the rotator's current icon.
    void Set(CWnd* owner);
    void Reset(CWnd* owner);
    bool IsShown() const { return m_shown; }
    // The tray's mouse message for owner: a double click brings the window back, a
    // right-button release shows the menu; other icons and messages are ignored.
    void OnCallback(CWnd* owner, WPARAM id, LPARAM mouseMessage);

    CString m_tip;
    CPopupMenu m_menu;
    CIconRotator m_rotator;

private:
    bool m_shown = false;
};
