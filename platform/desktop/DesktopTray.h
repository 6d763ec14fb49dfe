#pragma once
// The notification-area icons of the window system as Qt tray icons: each shows the model's
// icon and tip, and a user's click on it reaches the owner as the icon's callback message.
#include "win32/WinTypes.h"

#include <map>
#include <memory>
#include <utility>

class QSystemTrayIcon;

class DesktopTray {
public:
    DesktopTray();
    ~DesktopTray();
    DesktopTray(const DesktopTray&) = delete;
    DesktopTray& operator=(const DesktopTray&) = delete;

    // Adds, changes and removes Qt icons until they match the models.
    void Sync();
    // The Qt icon of an owner's icon id; null when none shows.
    QSystemTrayIcon* Icon(HWND owner, UINT id) const;

private:
    struct Shown;
    std::map<std::pair<HWND, UINT>, std::unique_ptr<Shown>> m_icons;
};
