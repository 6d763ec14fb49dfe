#include "desktop/DesktopTopLevelPeer.h"

#include "desktop/DesktopAccessible.h"
#include "desktop/DesktopBackend.h"
#include "desktop/DesktopImages.h"
#include "desktop/DesktopMenus.h"
#include "desktop/DesktopSurface.h"
#include "win32/controls/CtlMessages.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QCloseEvent>
#include <QIcon>
#include <QPixmap>
#include <QMenuBar>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QVBoxLayout>

#include <string_view>

namespace {

// The Qt window; its client widget reports the user's resizing.
// The peer of a window, looked up each time: a widget may outlive its peer by a turn of the loop.
DesktopTopLevelPeer* PeerFor(HWND hwnd)
{
    return dynamic_cast<DesktopTopLevelPeer*>(DesktopBackend::Instance().FindPeer(hwnd));
}

class TopWindow : public QWidget {
public:
    TopWindow(HWND hwnd, QWidget* owner, Qt::WindowFlags flags) : QWidget(owner, flags), m_hwnd(hwnd) {}

protected:
    void closeEvent(QCloseEvent* event) override
    {
        // The model decides whether it closes; its destruction removes this window.
        event->ignore();
        if (auto* peer = PeerFor(m_hwnd)) peer->UserClosed();
    }
    void moveEvent(QMoveEvent* event) override
    {
        QWidget::moveEvent(event);
        auto* peer = PeerFor(m_hwnd);
        // pos() counts the frame, as move() does when the model places the window; the client
        // area's corner would let a framed window creep down by its title bar at every start.
        if (peer && isVisible() && !isMinimized()) peer->UserMoved(pos());
    }

private:
    HWND m_hwnd;
};

class ClientArea : public DesktopSurface {
public:
    ClientArea(HWND hwnd, QWidget* parent) : DesktopSurface(hwnd, true, parent) {}

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        DesktopSurface::resizeEvent(event);
        auto* peer = PeerFor(Window());
        if (peer && window()->isVisible()) peer->UserResized(event->size());
    }
};

Qt::WindowFlags FlagsOf(HWND hwnd, QWidget* owner)
{
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE));
    Qt::WindowFlags flags = owner ? Qt::Dialog : Qt::Window;
    if ((style & WS_CAPTION) != WS_CAPTION) flags = Qt::Tool | Qt::FramelessWindowHint;
    if (style & WS_CAPTION) flags |= Qt::WindowTitleHint | Qt::CustomizeWindowHint;
    if (style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
    if (style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
    if (exStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

} // namespace

DesktopTopLevelPeer::DesktopTopLevelPeer(HWND hwnd, QWidget* owner)
    : DesktopPeer(hwnd, new TopWindow(hwnd, owner, FlagsOf(hwnd, owner)))
{
    QWidget* window = Widget();
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_client = new ClientArea(hwnd, window);
    Tag(m_client);
    layout->addWidget(m_client, 1);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    DesktopAccessible::AsWindow(window, std::string_view(name) == WC_DIALOG);
}

QWidget* DesktopTopLevelPeer::ChildHost() const
{
    return m_client;
}

QWidget* DesktopTopLevelPeer::FocusWidget() const
{
    return m_client;
}

void DesktopTopLevelPeer::SyncGeometry(DesktopPeer*)
{
    RECT window{}, client{};
    GetWindowRect(Window(), &window);
    GetClientRect(Window(), &client);
    QSize size(client.right - client.left, client.bottom - client.top);
    int menu = m_menuBar ? m_menuBar->sizeHint().height() : 0;
    // A rectangle no screen can show (a broken saved placement) is brought onto the
    // desktop, and the model then follows as after a user's move and resize.
    QRect desk = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableVirtualGeometry() : QRect();
    QSize shown = size;
    QPoint at(window.left, window.top);
    if (desk.isValid()) {
        shown = size.boundedTo(QSize(desk.width(), std::max(0, desk.height() - menu)));
        // A shown window of no size at all is given half the desktop.
        bool visible = GetWindowLongA(Window(), GWL_STYLE) & WS_VISIBLE;
        if (visible && (shown.width() <= 0 || shown.height() <= 0)) shown = desk.size() / 2;
        shown = shown.expandedTo(QSize(0, 0));
        if (!desk.intersects(QRect(at, QSize(std::max(shown.width(), 1), std::max(shown.height() + menu, 1)))))
            at = desk.topLeft();
    }
    bool sizable = GetWindowLongA(Window(), GWL_STYLE) & WS_THICKFRAME;
    m_client->setMinimumSize(sizable ? QSize(0, 0) : shown);
    m_client->setMaximumSize(sizable ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : shown);
    Widget()->resize(shown.width(), shown.height() + menu);
    m_client->resize(shown);
    Widget()->move(at);
    if (shown == size && at == QPoint(window.left, window.top)) return;
    HWND hwnd = Window();
    QSize grow(shown.width() - size.width(), shown.height() - size.height());
    QMetaObject::invokeMethod(Widget(), [hwnd, at, grow] {
        RECT now{};
        if (!IsWindow(hwnd) || !GetWindowRect(hwnd, &now)) return;
        SetWindowPos(hwnd, nullptr, at.x(), at.y(), now.right - now.left + grow.width(), now.bottom - now.top + grow.height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }, Qt::QueuedConnection);
}

void DesktopTopLevelPeer::SyncText()
{
    Widget()->setWindowTitle(ModelText());
}

void DesktopTopLevelPeer::SyncStyle()
{
    HWND hwnd = Window();
    auto icon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, 1, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, 0, 0));
    if (!icon || icon == m_shownIcon) return;
    QImage image = DesktopImageOfIcon(icon);
    if (image.isNull()) return;
    m_shownIcon = icon;
    QIcon qicon(QPixmap::fromImage(image));
    Widget()->setWindowIcon(qicon);
    // The first window with an icon gives the program its icon (task bar, tray).
    if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(qicon);
}

void DesktopTopLevelPeer::SyncMenu()
{
    HMENU menu = GetMenu(Window());
    if (!menu) {
        if (m_menuBar) {
            delete m_menuBar;
            m_menuBar = nullptr;
        }
        m_shownMenu = nullptr;
        return;
    }
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(Widget());
        static_cast<QVBoxLayout*>(Widget()->layout())->setMenuBar(m_menuBar);
    }
    HWND hwnd = Window();
    DesktopFillMenuBar(m_menuBar, menu, hwnd, [hwnd](UINT id) {
        if (IsWindow(hwnd)) PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    });
    m_shownMenu = menu;
    SyncGeometry(nullptr);
}

void DesktopTopLevelPeer::SyncPaint()
{
    m_client->update();
}

void DesktopTopLevelPeer::SyncVisible()
{
    HWND hwnd = Window();
    bool visible = GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE;
    QWidget* window = Widget();
    if (!visible) {
        window->hide();
        return;
    }
    if (IsIconic(hwnd)) window->showMinimized();
    else if (IsZoomed(hwnd)) window->showMaximized();
    else if (window->isMinimized() || window->isMaximized() || !window->isVisible()) window->showNormal();
}

void DesktopTopLevelPeer::UserResized(QSize client)
{
    if (Syncing()) return;
    RECT window{}, now{};
    GetWindowRect(Window(), &window);
    GetClientRect(Window(), &now);
    int dw = client.width() - (now.right - now.left);
    int dh = client.height() - (now.bottom - now.top);
    if (!dw && !dh) return;
    SetWindowPos(Window(), nullptr, 0, 0, window.right - window.left + dw, window.bottom - window.top + dh,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DesktopTopLevelPeer::UserMoved(QPoint topLeft)
{
    if (Syncing()) return;
    RECT window{};
    GetWindowRect(Window(), &window);
    if (window.left == topLeft.x() && window.top == topLeft.y()) return;
    SetWindowPos(Window(), nullptr, topLeft.x(), topLeft.y(), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DesktopTopLevelPeer::UserClosed()
{
    PostMessageA(Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
}
