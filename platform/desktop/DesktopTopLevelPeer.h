#pragma once
// A top-level window (frame, dialog, pop-up) as a Qt window: the model's caption as its
// title, its menu bar as a Qt menu bar, and its client area as a surface at the model's
// client size. A user's resize, move and close go back to the model.
#include "desktop/DesktopPeer.h"

class DesktopSurface;
class QMenuBar;

class DesktopTopLevelPeer : public DesktopPeer {
public:
    DesktopTopLevelPeer(HWND hwnd, QWidget* owner);

    QWidget* ChildHost() const override;
    QPoint ClientOffset() const override { return QPoint(0, 0); }
    QWidget* FocusWidget() const override;
    DesktopSurface* Client() const { return m_client; }
    QMenuBar* MenuBar() const { return m_menuBar; }

    void SyncGeometry(DesktopPeer* parent) override;
    void SyncText() override;
    void SyncStyle() override;
    void SyncMenu() override;
    bool HostsChildren() const override { return true; }
    void SyncPaint() override;
    void SyncVisible() override;

    // The user's changes, from the window.
    void UserResized(QSize client);
    void UserMoved(QPoint topLeft);
    void UserClosed();

private:
    DesktopSurface* m_client;
    QMenuBar* m_menuBar = nullptr;
    HMENU m_shownMenu = nullptr;
    HICON m_shownIcon = nullptr;
};
