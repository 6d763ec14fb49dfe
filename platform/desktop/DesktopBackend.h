#pragma once
// The display backend: observes the window models, keeps a Qt peer for each window of the
// thread it runs on, and installs the handlers that answer prompts (message boxes, file and
// folder choosers, popup menus) with Qt's own dialogs. Runs on the thread of the program's
// windows, which is Qt's GUI thread.
#include "win32/windowing/WindowObserver.h"

#include <QMetaObject>

#include <map>
#include <memory>
#include <mutex>
#include <thread>

class DesktopLoop;
class DesktopPeer;
class DesktopTray;

class DesktopBackend : public IMvWindowObserver {
public:
    static DesktopBackend& Instance();
    // Starts observing on the calling thread (a QApplication must exist) and shows the
    // windows that exist already. Safe to call again.
    void Start();
    void Stop();
    bool Running() const { return m_running; }

    // Brings every peer up to date with what changed since the last flush.
    void Flush();
    // The peer of a window, created (with its parents') when the window has none yet;
    // null for windows the backend does not show.
    DesktopPeer* PeerOf(HWND hwnd);
    // The peer of a window if it exists, without creating one.
    DesktopPeer* FindPeer(HWND hwnd) const;
    DesktopLoop& Loop() { return *m_loop; }
    DesktopTray& Tray() { return *m_tray; }

    void OnWindowEvent(HWND hwnd, MvWindowEvent event) override;
    void OnMenuChanged(HMENU menu) override;

private:
    DesktopBackend();
    ~DesktopBackend() override;
    void QueueFlush();
    // Brings the window's peer up to date (making it when due).
    void SyncWindow(HWND hwnd, unsigned events);
    void Drop(HWND hwnd);
    void InstallHandlers();
    void RemoveHandlers();

    bool m_running = false;
    std::thread::id m_thread;
    std::map<HWND, std::unique_ptr<DesktopPeer>> m_peers;
    std::unique_ptr<DesktopLoop> m_loop;
    std::unique_ptr<DesktopTray> m_tray;
    QObject* m_keys = nullptr;
    QObject* m_drops = nullptr;
    QMetaObject::Connection m_focus;
    std::mutex m_lock;
    std::map<HWND, unsigned> m_dirty;
    bool m_menusDirty = false;
    bool m_trayDirty = false;
    bool m_flushQueued = false;
};
