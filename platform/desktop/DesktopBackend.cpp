#include "desktop/DesktopBackend.h"

#include "desktop/DesktopClipboard.h"
#include "desktop/DesktopDropFilter.h"
#include "desktop/DesktopKeyFilter.h"
#include "desktop/DesktopLoop.h"
#include "desktop/DesktopPeer.h"
#include "desktop/DesktopPeerFactory.h"
#include "desktop/DesktopPrompts.h"
#include "desktop/DesktopTray.h"
#include "win32/kernel/Threads.h"
#include "win32/windowing/ThreadHold.h"
#include "win32/windowing/Window.h"

#include <QApplication>
#include <QMetaObject>
#include <QTimer>

#include <vector>

namespace {
// How long a flush waits for a worker thread to come to its messages, and when it tries again.
constexpr int kHoldMs = 20;
constexpr int kRetryMs = 100;
} // namespace

DesktopBackend& DesktopBackend::Instance()
{
    static DesktopBackend* backend = new DesktopBackend;  // lives as long as the windows may
    return *backend;
}

DesktopBackend::DesktopBackend() = default;
DesktopBackend::~DesktopBackend() = default;

void DesktopBackend::Start()
{
    if (m_running) return;
    m_running = true;
    m_thread = std::this_thread::get_id();
    m_loop = std::make_unique<DesktopLoop>();
    m_tray = std::make_unique<DesktopTray>();
    m_trayDirty = true;
    m_keys = new DesktopKeyFilter(qApp);
    qApp->installEventFilter(m_keys);
    m_drops = new DesktopDropFilter(qApp);
    qApp->installEventFilter(m_drops);
    DesktopInstallPrompts(*m_loop);
    DesktopClipboard::Attach();
    // The keyboard focus the user gives a peer is the model's focus.
    m_focus = QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) {
        HWND hwnd = DesktopPeer::WindowOf(now);
        if (hwnd && IsWindow(hwnd) && GetFocus() != hwnd && IsWindowEnabled(hwnd)) SetFocus(hwnd);
    });
    MvAddWindowObserver(this);
    // Windows made before the backend started show as well.
    EnumWindows(
        [](HWND hwnd, LPARAM) -> BOOL {
            DesktopBackend::Instance().OnWindowEvent(hwnd, MvWindowEvent::Created);
            EnumChildWindows(
                hwnd,
                [](HWND child, LPARAM) -> BOOL {
                    DesktopBackend::Instance().OnWindowEvent(child, MvWindowEvent::Created);
                    return TRUE;
                },
                0);
            return TRUE;
        },
        0);
    Flush();
}

void DesktopBackend::Stop()
{
    if (!m_running) return;
    MvRemoveWindowObserver(this);
    DesktopRemovePrompts();
    DesktopClipboard::Detach();
    QObject::disconnect(m_focus);
    m_peers.clear();
    m_tray.reset();
    delete m_keys;
    m_keys = nullptr;
    delete m_drops;
    m_drops = nullptr;
    m_loop.reset();
    std::lock_guard<std::mutex> guard(m_lock);
    m_dirty.clear();
    m_running = false;
}

void DesktopBackend::OnWindowEvent(HWND hwnd, MvWindowEvent event)
{
    if (!m_running) return;
    // Tray icons change with their owner's state and go with their owner.
    bool tray = event == MvWindowEvent::ControlState || event == MvWindowEvent::Destroyed;
    if (event == MvWindowEvent::Destroyed && std::this_thread::get_id() == m_thread) {
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_dirty.erase(hwnd);
            m_trayDirty = true;
        }
        Drop(hwnd);
        QueueFlush();
        return;
    }
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_dirty[hwnd] |= DesktopPeer::Bit(static_cast<int>(event));
        m_trayDirty = m_trayDirty || tray;
    }
    QueueFlush();
}

void DesktopBackend::OnMenuChanged(HMENU)
{
    if (!m_running) return;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_menusDirty = true;
    }
    QueueFlush();
}

void DesktopBackend::QueueFlush()
{
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_flushQueued) return;
        m_flushQueued = true;
    }
    // Changes come in bursts (a dialog's creation, a typed key): one flush takes them all,
    // on the GUI thread whichever thread changed the model.
    QMetaObject::invokeMethod(qApp, [] { DesktopBackend::Instance().Flush(); }, Qt::QueuedConnection);
}

void DesktopBackend::Flush()
{
    if (!m_running) return;
    std::map<HWND, unsigned> dirty;
    bool menus, tray;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        dirty.swap(m_dirty);
        menus = m_menusDirty;
        m_menusDirty = false;
        tray = m_trayDirty;
        m_trayDirty = false;
        m_flushQueued = false;
    }
    for (auto& [hwnd, events] : dirty) {
        if (!IsWindow(hwnd)) {
            Drop(hwnd);
            continue;
        }
        SyncWindow(hwnd, events);
    }
    if (tray) m_tray->Sync();
    if (menus) {
        unsigned bit = DesktopPeer::Bit(static_cast<int>(MvWindowEvent::Menu));
        std::vector<HWND> tops;
        for (auto& [hwnd, peer] : m_peers)
            if (!GetParent(hwnd) || !(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) tops.push_back(hwnd);
        for (HWND hwnd : tops) SyncWindow(hwnd, bit);
    }
}

void DesktopBackend::SyncWindow(HWND hwnd, unsigned events)
{
    auto sync = [this, hwnd, events] {
        if (!IsWindow(hwnd)) return;
        bool fresh = !FindPeer(hwnd);
        DesktopPeer* peer = PeerOf(hwnd);
        if (peer && !fresh) peer->Sync(events);
    };
    DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
    if (!thread || thread == GetCurrentThreadId()) return sync();
    // A hidden window of another thread that shows nothing yet needs no visit.
    if (!FindPeer(hwnd) && !IsWindowVisible(hwnd)) return;
    // Another thread's window is read while that thread stands still at its messages; a
    // thread busy elsewhere is visited again shortly.
    if (MvHoldWindowThread(hwnd, sync, kHoldMs)) return;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_dirty[hwnd] |= events;
    }
    QTimer::singleShot(kRetryMs, qApp, [] { DesktopBackend::Instance().QueueFlush(); });
}

DesktopPeer* DesktopBackend::FindPeer(HWND hwnd) const
{
    auto it = m_peers.find(hwnd);
    return it == m_peers.end() ? nullptr : it->second.get();
}

DesktopPeer* DesktopBackend::PeerOf(HWND hwnd)
{
    if (!hwnd || !m_running) return nullptr;
    if (DesktopPeer* peer = FindPeer(hwnd)) return peer;
    if (!IsWindow(hwnd)) return nullptr;
    // Windows of every thread show, so a worker's dialog is answered on the screen like any
    // other. Another thread's window waits until it is shown: its hidden helpers need no
    // peer, and a thread that is not yet in its loop would keep the peer's questions waiting.
    const bool foreign = GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId();
    if (foreign && !IsWindowVisible(hwnd)) return nullptr;
    HWND parent = GetParent(hwnd);
    DesktopPeer* parentPeer = nullptr;
    if (parent) {
        parentPeer = PeerOf(parent);
        // A child whose parent shows no widget has nowhere to go.
        if (!parentPeer && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) return nullptr;
        if (DesktopPeer* peer = FindPeer(hwnd)) return peer;   // made while its parent was
    }
    std::unique_ptr<DesktopPeer> peer = DesktopCreatePeer(hwnd, parentPeer);
    if (!peer) return nullptr;
    DesktopPeer* raw = peer.get();
    m_peers[hwnd] = std::move(peer);
    raw->Sync(~0u & ~DesktopPeer::Bit(static_cast<int>(MvWindowEvent::Destroyed)));
    // Its controls were made while it was hidden and found no parent then.
    if (foreign && !(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
        EnumChildWindows(
            hwnd,
            [](HWND child, LPARAM) -> BOOL {
                DesktopBackend::Instance().PeerOf(child);
                return TRUE;
            },
            0);
    return raw;
}

void DesktopBackend::Drop(HWND hwnd)
{
    auto it = m_peers.find(hwnd);
    if (it == m_peers.end()) return;
    std::unique_ptr<DesktopPeer> peer = std::move(it->second);
    m_peers.erase(it);
    // Children go first: their widgets live inside this one.
    std::vector<HWND> children;
    for (auto& [child, childPeer] : m_peers)
        if (childPeer->Widget() && peer->Widget() && peer->Widget()->isAncestorOf(childPeer->Widget()))
            children.push_back(child);
    for (HWND child : children) Drop(child);
}
