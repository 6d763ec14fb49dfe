#include "desktop/DesktopKeyFilter.h"

#include "desktop/DesktopBackend.h"
#include "desktop/DesktopKeys.h"
#include "desktop/DesktopPeer.h"
#include "desktop/DesktopSurface.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Window.h"

#include <string_view>

#include <QKeyEvent>
#include <QWidget>

namespace {

// The innermost dialog holding the window.
HWND DialogAround(HWND hwnd)
{
    for (HWND h = hwnd; h; h = GetParent(h)) {
        char name[16] = {};
        GetClassNameA(h, name, sizeof name);
        if (std::string_view(name) == WC_DIALOG) return h;
        if (!(GetWindowLongA(h, GWL_STYLE) & WS_CHILD)) break;
    }
    return nullptr;
}

} // namespace

bool DesktopKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !watched->isWidgetType()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyPress) {
        // The key press after an override the window system took is already handled.
        bool eat = m_taken && m_taken->key == key->key() && m_taken->modifiers == key->modifiers();
        m_taken.reset();
        return eat;
    }
    auto* widget = static_cast<QWidget*>(watched);
    // An override climbing from a child to its parents is looked at once.
    if (event == m_last && m_lastWidget && widget != m_lastWidget && widget->isAncestorOf(m_lastWidget)) return false;
    m_last = event;
    m_lastWidget = widget;
    m_taken.reset();
    // A surface posts its keys as messages, which the loop pre-translates itself.
    if (dynamic_cast<DesktopSurface*>(widget)) return false;
    // An open drop-down list or menu takes its own keys (Return picks, Escape closes it),
    // as a dropped-down list answers the dialog that it wants them.
    if (widget->window()->windowType() == Qt::Popup) return false;
    HWND hwnd = DesktopPeer::WindowOf(widget);
    if (!hwnd) return false;
    UINT vk = DesktopVirtualKey(key->key());
    if (!vk) return false;
    DesktopSetModifiers(key->modifiers());
    bool alt = key->modifiers() & Qt::AltModifier;
    MSG msg{hwnd, static_cast<UINT>(alt ? WM_SYSKEYDOWN : WM_KEYDOWN), vk, 1, 0, {}};
    // Accelerators and a dialog's keys come before Qt's own handling of the key.
    MvNativeKeyOffer offer;
    bool taken = MvPreTranslate(msg);
    if (!taken && (vk == VK_TAB || vk == VK_RETURN || vk == VK_ESCAPE))
        if (HWND dialog = DialogAround(hwnd)) taken = IsDialogMessageA(dialog, &msg);
    if (!taken) return false;
    m_taken = Taken{key->key(), key->modifiers()};
    event->accept();
    DesktopBackend::Instance().Flush();
    return true;
}
