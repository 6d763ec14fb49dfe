#include "desktop/DesktopSurface.h"

#include "desktop/DesktopKeys.h"
#include "win32/controls/CtlMessages.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/NonClient.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"
#include "win32/windowing/Shell.h"
#include "win32/windowing/UserInput.h"
#include "win32/windowing/Window.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QWheelEvent>

DesktopSurface::DesktopSurface(HWND hwnd, bool clientOnly, QWidget* parent)
    : QWidget(parent), m_hwnd(hwnd), m_clientOnly(clientOnly)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setMouseTracking(true);
    setAcceptDrops(true);
}

POINT DesktopSurface::ModelOrigin() const
{
    POINT origin{0, 0};
    if (m_clientOnly) {
        ClientToScreen(m_hwnd, &origin);
    } else {
        RECT r{};
        GetWindowRect(m_hwnd, &r);
        origin = POINT{r.left, r.top};
    }
    return origin;
}

QImage DesktopSurface::Raster() const
{
    HBITMAP surface = GdiGetWindowSurface(m_hwnd);
    DIBSECTION dib{};
    if (!surface || GetObjectA(surface, sizeof dib, &dib) != static_cast<int>(sizeof dib) || !dib.dsBm.bmBits)
        return QImage();
    QImage view(static_cast<const uchar*>(dib.dsBm.bmBits), dib.dsBm.bmWidth, dib.dsBm.bmHeight,
                dib.dsBm.bmWidthBytes, QImage::Format_RGB32);
    return view.copy();
}

void DesktopSurface::Prime()
{
    RECT r{};
    GetWindowRect(m_hwnd, &r);
    QSize size(r.right - r.left, r.bottom - r.top);
    // A new raster comes with every new size.
    if (size == m_primed || size.isEmpty()) return;
    m_primed = size;
    QColor colour = palette().color(QPalette::Window);
    HDC dc = GetWindowDC(m_hwnd);
    HBRUSH brush = CreateSolidBrush(RGB(colour.red(), colour.green(), colour.blue()));
    RECT all{0, 0, size.width(), size.height()};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ReleaseDC(m_hwnd, dc);
    // The window's frame of its own is painted again too.
    RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void DesktopSurface::paintEvent(QPaintEvent* event)
{
    Prime();
    // What is due is painted now, so the picture is never a frame behind the model.
    UpdateWindow(m_hwnd);
    QPainter painter(this);
    HBITMAP surface = GdiGetWindowSurface(m_hwnd);
    DIBSECTION dib{};
    if (!surface || GetObjectA(surface, sizeof dib, &dib) != static_cast<int>(sizeof dib) || !dib.dsBm.bmBits) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    QImage view(static_cast<const uchar*>(dib.dsBm.bmBits), dib.dsBm.bmWidth, dib.dsBm.bmHeight,
                dib.dsBm.bmWidthBytes, QImage::Format_RGB32);
    QPoint at(0, 0);
    if (m_clientOnly) {
        RECT r{};
        GetWindowRect(m_hwnd, &r);
        POINT origin = ModelOrigin();
        at = QPoint(r.left - origin.x, r.top - origin.y);
    }
    painter.fillRect(event->rect(), palette().window());
    painter.drawImage(at, view);
}

void DesktopSurface::Mouse(UINT message, QMouseEvent* event)
{
    POINT origin = ModelOrigin();
    QPoint p = event->position().toPoint();
    DesktopSetModifiers(event->modifiers());
    MvPostMouseInput(message, POINT{origin.x + p.x(), origin.y + p.y()},
                     DesktopMouseKeys(event->buttons(), event->modifiers()));
    event->accept();
}

void DesktopSurface::mousePressEvent(QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton: Mouse(WM_LBUTTONDOWN, event); break;
    case Qt::RightButton: Mouse(WM_RBUTTONDOWN, event); break;
    case Qt::MiddleButton: Mouse(WM_MBUTTONDOWN, event); break;
    default: QWidget::mousePressEvent(event);
    }
}

void DesktopSurface::mouseReleaseEvent(QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton: Mouse(WM_LBUTTONUP, event); break;
    case Qt::RightButton: Mouse(WM_RBUTTONUP, event); break;
    case Qt::MiddleButton: Mouse(WM_MBUTTONUP, event); break;
    default: QWidget::mouseReleaseEvent(event);
    }
}

void DesktopSurface::mouseDoubleClickEvent(QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton: Mouse(WM_LBUTTONDBLCLK, event); break;
    case Qt::RightButton: Mouse(WM_RBUTTONDBLCLK, event); break;
    default: QWidget::mouseDoubleClickEvent(event);
    }
}

void DesktopSurface::mouseMoveEvent(QMouseEvent* event)
{
    Mouse(WM_MOUSEMOVE, event);
}

void DesktopSurface::wheelEvent(QWheelEvent* event)
{
    HWND target = GetFocus() ? GetFocus() : m_hwnd;
    POINT origin = ModelOrigin();
    QPoint p = event->position().toPoint();
    WPARAM keys = DesktopMouseKeys(event->buttons(), event->modifiers());
    short delta = static_cast<short>(event->angleDelta().y());
    PostMessageA(target, WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(delta)),
                 MAKELPARAM(origin.x + p.x(), origin.y + p.y()));
    event->accept();
}

HWND DesktopSurface::KeyTarget() const
{
    HWND focus = GetFocus();
    return focus ? focus : m_hwnd;
}

void DesktopSurface::Type(const QString& text)
{
    HWND target = KeyTarget();
    for (QChar c : text) PostMessageA(target, WM_CHAR, c.unicode(), 1);
}

void DesktopSurface::keyPressEvent(QKeyEvent* event)
{
    DesktopSetModifiers(event->modifiers());
    UINT key = DesktopVirtualKey(event->key());
    bool alt = event->modifiers() & Qt::AltModifier;
    if (key) PostMessageA(KeyTarget(), alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1);
    if (!event->text().isEmpty() && !(event->modifiers() & Qt::ControlModifier) && !alt) Type(event->text());
    event->accept();
}

void DesktopSurface::keyReleaseEvent(QKeyEvent* event)
{
    DesktopSetModifiers(event->modifiers());
    UINT key = DesktopVirtualKey(event->key());
    if (key) PostMessageA(KeyTarget(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    event->accept();
}

void DesktopSurface::inputMethodEvent(QInputMethodEvent* event)
{
    // A composed text arrives as typed characters once the input method commits it.
    if (!event->commitString().isEmpty()) Type(event->commitString());
    event->accept();
}

void DesktopSurface::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void DesktopSurface::dropEvent(QDropEvent* event)
{
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    if (paths.empty()) return;
    POINT origin = ModelOrigin();
    POINT client{origin.x + event->position().toPoint().x(), origin.y + event->position().toPoint().y()};
    ScreenToClient(m_hwnd, &client);
    if (MvDropFiles(m_hwnd, paths, client)) event->acceptProposedAction();
}
