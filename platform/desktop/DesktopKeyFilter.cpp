#include "desktop/DesktopKeyFilter.h"

#include "desktop/DesktopBackend.h"
#include "desktop/DesktopKeys.h"
#include "desktop/DesktopPeer.h"
#include "desktop/DesktopSurface.h"
#include "win32/MessageQueue.h"
#include "win32/MessageLoop.h"

#include <QKeyEvent>
#include <QWidget>

bool DesktopKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    // A key climbing from a child to its parents is looked at once.
    if (event == m_last) return false;
    m_last = event;
    auto* widget = static_cast<QWidget*>(watched);
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
    if (!MvPreTranslate(msg)) return false;
    DesktopBackend::Instance().Flush();
    return true;
}
