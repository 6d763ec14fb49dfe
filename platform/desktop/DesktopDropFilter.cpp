#include "desktop/DesktopDropFilter.h"

#include "desktop/DesktopBackend.h"
#include "desktop/DesktopPeer.h"
#include "desktop/DesktopSurface.h"
#include "win32/windowing/Shell.h"
#include "win32/windowing/Window.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <string>
#include <vector>

namespace {

std::vector<std::string> LocalFiles(const QMimeData* data)
{
    std::vector<std::string> paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

bool AcceptsFiles(HWND hwnd)
{
    for (HWND h = hwnd; h; h = GetParent(h)) {
        if (GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) return true;
        if (!(GetWindowLongA(h, GWL_STYLE) & WS_CHILD)) break;
    }
    return false;
}

} // namespace

bool DesktopDropFilter::eventFilter(QObject* watched, QEvent* event)
{
    QEvent::Type type = event->type();
    if ((type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    // A surface hands its drops over itself.
    if (dynamic_cast<DesktopSurface*>(widget)) return false;
    HWND hwnd = DesktopPeer::WindowOf(widget);
    auto* drop = static_cast<QDropEvent*>(event);
    std::vector<std::string> paths = LocalFiles(drop->mimeData());
    if (!hwnd || paths.empty() || !IsWindow(hwnd) || !AcceptsFiles(hwnd)) return false;
    if (type != QEvent::Drop) {
        drop->acceptProposedAction();
        return true;
    }
    // The point in the window's client area: the peer's widget covers the window's rectangle.
    DesktopPeer* peer = DesktopBackend::Instance().FindPeer(hwnd);
    QPoint at = drop->position().toPoint();
    if (peer && peer->Widget() && peer->Widget() != widget && peer->Widget()->isAncestorOf(widget))
        at = widget->mapTo(peer->Widget(), at);
    RECT window{};
    GetWindowRect(hwnd, &window);
    POINT client{window.left + at.x(), window.top + at.y()};
    ScreenToClient(hwnd, &client);
    if (MvDropFiles(hwnd, paths, client)) drop->acceptProposedAction();
    else drop->ignore();
    return true;
}
