#include "desktop/DesktopPeer.h"

#include "desktop/DesktopBackend.h"
#include "win32/controls/CtlMessages.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"
#include "win32/windowing/WindowObserver.h"

#include <QLabel>

#include <vector>

namespace {
constexpr const char* kHwndProperty = "mvHwnd";
}

DesktopPeer::DesktopPeer(HWND hwnd, QWidget* widget) : m_hwnd(hwnd), m_widget(widget)
{
    Tag(widget);
    // Files may be dropped on any window; the drop filter decides who takes them.
    if (widget) widget->setAcceptDrops(true);
}

DesktopPeer::~DesktopPeer()
{
    if (m_widget) {
        m_widget->hide();
        m_widget->setProperty(kHwndProperty, QVariant());
        // The widget may be on the stack (a click that closed its own dialog).
        m_widget->deleteLater();
    }
}

void DesktopPeer::Tag(QWidget* widget) const
{
    if (widget) widget->setProperty(kHwndProperty, QVariant::fromValue(reinterpret_cast<qulonglong>(m_hwnd)));
}

HWND DesktopPeer::WindowOf(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        QVariant v = widget->property(kHwndProperty);
        if (v.isValid()) return reinterpret_cast<HWND>(v.toULongLong());
    }
    return nullptr;
}

DWORD DesktopPeer::Style() const
{
    return static_cast<DWORD>(GetWindowLongA(m_hwnd, GWL_STYLE));
}

QPoint DesktopPeer::ClientOffset() const
{
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    POINT origin{0, 0};
    ClientToScreen(m_hwnd, &origin);
    return QPoint(origin.x - window.left, origin.y - window.top);
}

void DesktopPeer::Sync(unsigned events)
{
    if (!m_widget) return;
    SyncScope scope(*this);
    auto has = [events](MvWindowEvent e) { return (events & Bit(static_cast<int>(e))) != 0; };
    if (has(MvWindowEvent::Created) || has(MvWindowEvent::Rect) || has(MvWindowEvent::Parent))
        SyncGeometry(DesktopBackend::Instance().PeerOf(GetParent(m_hwnd)));
    if (has(MvWindowEvent::Created) || has(MvWindowEvent::Style)) SyncStyle();
    if (has(MvWindowEvent::Created) || has(MvWindowEvent::Text)) {
        SyncText();
        // An edit's text is no name: reading it at every typed key would cost as much as the text.
        if (has(MvWindowEvent::Created) || CaptionNames()) SyncName();
        if (has(MvWindowEvent::Text)) RenameLabelled();
    }
    if (has(MvWindowEvent::Created) || has(MvWindowEvent::ControlState)) SyncState();
    if (has(MvWindowEvent::Created) || has(MvWindowEvent::Menu)) SyncMenu();
    if (has(MvWindowEvent::Created) || has(MvWindowEvent::Enabled)) SyncEnabled();
    if (has(MvWindowEvent::Created) || has(MvWindowEvent::Visible) || has(MvWindowEvent::Parent)) SyncVisible();
    if (has(MvWindowEvent::Invalidated) || has(MvWindowEvent::ControlState) || has(MvWindowEvent::Drawn)) SyncPaint();
    if (has(MvWindowEvent::Active) && GetActiveWindow() == m_hwnd && m_widget->isWindow()) m_widget->activateWindow();
    if (has(MvWindowEvent::Focus) && GetFocus() == m_hwnd && FocusWidget() && !FocusWidget()->hasFocus())
        FocusWidget()->setFocus(Qt::OtherFocusReason);
}

void DesktopPeer::SyncGeometry(DesktopPeer* parent)
{
    if (!parent || !(Style() & WS_CHILD)) return;
    RECT r{};
    GetWindowRect(m_hwnd, &r);
    POINT origin{0, 0};
    ClientToScreen(GetParent(m_hwnd), &origin);
    QPoint offset = parent->ClientOffset();
    QWidget* host = parent->ChildHost();
    if (m_widget->parentWidget() != host) m_widget->setParent(host);
    m_widget->setGeometry(r.left - origin.x + offset.x(), r.top - origin.y + offset.y(), r.right - r.left,
                          r.bottom - r.top);
}

void DesktopPeer::SyncVisible()
{
    m_widget->setVisible(GetWindowLongA(m_hwnd, GWL_STYLE) & WS_VISIBLE);
}

void DesktopPeer::SyncEnabled()
{
    m_widget->setEnabled(IsWindowEnabled(m_hwnd));
}

QString DesktopPeer::ModelText() const
{
    int n = GetWindowTextLengthA(m_hwnd);
    std::vector<char> text(static_cast<size_t>(n) + 1);
    GetWindowTextA(m_hwnd, text.data(), n + 1);
    return QString::fromUtf8(text.data());
}

namespace {

bool IsLabel(HWND hwnd)
{
    char name[32] = {};
    return hwnd && GetClassNameA(hwnd, name, sizeof name) && QString::fromLatin1(name).compare("Static", Qt::CaseInsensitive) == 0;
}

QString CaptionOf(HWND hwnd)
{
    int n = GetWindowTextLengthA(hwnd);
    std::vector<char> text(static_cast<size_t>(n) + 1);
    GetWindowTextA(hwnd, text.data(), n + 1);
    return DesktopPlainCaption(QString::fromUtf8(text.data()));
}

} // namespace

QString DesktopPeer::AccessibleName() const
{
    if (CaptionNames()) {
        QString own = DesktopPlainCaption(ModelText());
        if (!own.isEmpty()) return own;
    }
    // The label before a control names it, as a dialog's mnemonics take it.
    // Siblings stack newest first, so the one made before lies next below.
    HWND before = GetWindow(m_hwnd, GW_HWNDNEXT);
    if (IsLabel(before)) return CaptionOf(before);
    // The first control of a panel is named by the panel.
    HWND parent = GetParent(m_hwnd);
    if (!before && parent && (GetWindowLongA(parent, GWL_STYLE) & WS_CHILD)) return CaptionOf(parent);
    return QString();
}

void DesktopPeer::SyncName()
{
    m_widget->setAccessibleName(AccessibleName());
    // The label before a control is its buddy: the bus tells it as the label of the control
    // (a combo box's name there is its current text).
    if (DesktopPeer* label = DesktopBackend::Instance().FindPeer(GetWindow(m_hwnd, GW_HWNDNEXT)))
        if (auto* text = qobject_cast<QLabel*>(label->Widget()); text && IsLabel(label->Window())) text->setBuddy(m_widget);
}

void DesktopPeer::RenameLabelled()
{
    // A label's new text is the new name of the control after it, a panel's the new name
    // of its first control.
    HWND named = nullptr;
    if (IsLabel(m_hwnd)) named = GetWindow(m_hwnd, GW_HWNDPREV);
    else if ((Style() & WS_CHILD) && GetWindow(m_hwnd, GW_CHILD)) named = GetWindow(GetWindow(m_hwnd, GW_CHILD), GW_HWNDLAST);
    DesktopPeer* peer = named ? DesktopBackend::Instance().FindPeer(named) : nullptr;
    if (peer && peer->Widget()) peer->SyncName();
}

QString DesktopPlainCaption(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') out += '&', ++i;
            continue;
        }
        if (caption[i] == '\t') break;
        out += caption[i];
    }
    return out;
}

QString DesktopQtCaption(const std::string& caption)
{
    // Both write a mnemonic as '&' and a literal ampersand as "&&".
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}
