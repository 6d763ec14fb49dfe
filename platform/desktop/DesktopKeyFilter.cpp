#include "desktop/DesktopKeyFilter.h"

#include "desktop/DesktopBackend.h"
#include "desktop/DesktopKeys.h"
#include "desktop/DesktopPeer.h"
#include "desktop/DesktopSurface.h"
#include "win32/MessageQueue.h"
#include "win32/Dialog.h"
#include "win32/MessageLoop.h"
#include "win32/Window.h"

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
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    // A key climbing from a child to its parents is looked at once.
    if (event == m_last && m_lastWidget && widget->isAncestorOf(m_lastWidget)) return false;
    m_last = event;
    m_lastWidget = widget;
    // A surface posts its keys as messages, which the loop pre-translates itself.
    if (dynamic_cast<DesktopSurface*>(widget)) return false;
    HWND hwnd = DesktopPeer::WindowOf(widget);
    if (!hwnd) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    UINT vk = DesktopVirtualKey(key->key());
    if (!vk) return false;
    DesktopSetModifiers(key->modifiers());
    bool alt = key->modifiers() & Qt::AltModifier;
    MSG msg{hwnd, static_cast<UINT>(alt ? WM_SYSKEYDOWN : WM_KEYDOWN), vk, 1, 0, {}};
    bool taken = MvPreTranslate(msg);
    // A dialog's own keys, for a loop that does not pre-translate (a plain modal loop).
    if (!taken && (vk == VK_TAB || vk == VK_RETURN || vk == VK_ESCAPE))
        if (HWND dialog = DialogAround(hwnd)) taken = IsDialogMessageA(dialog, &msg);
    if (!taken) return false;
    DesktopBackend::Instance().Flush();
    return true;
}
