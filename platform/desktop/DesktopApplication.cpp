#include "desktop/DesktopApplication.h"

#include "desktop/DesktopPeer.h"
#include "win32/kernel/Threads.h"
#include "win32/windowing/ThreadHold.h"
#include "win32/windowing/Window.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace {

// How long a user's action waits for a worker busy elsewhere before it goes ahead anyway.
constexpr int kHoldMs = 1000;

bool TouchesModels(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::InputMethod:
    case QEvent::Close:
    case QEvent::Drop:
    case QEvent::Paint: return true;
    default: return false;
    }
}

} // namespace

DesktopApplication::DesktopApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool DesktopApplication::notify(QObject* receiver, QEvent* event)
{
    if (!receiver || !receiver->isWidgetType() || !TouchesModels(event->type()))
        return QApplication::notify(receiver, event);
    HWND hwnd = DesktopPeer::WindowOf(static_cast<QWidget*>(receiver));
    DWORD thread = hwnd ? GetWindowThreadProcessId(hwnd, nullptr) : 0;
    if (!thread || thread == GetCurrentThreadId() || std::find(m_held.begin(), m_held.end(), thread) != m_held.end())
        return QApplication::notify(receiver, event);
    bool result = false;
    bool delivered = MvHoldWindowThread(
        hwnd,
        [&] {
            m_held.push_back(thread);
            struct Pop {
                std::vector<DWORD>& held;
                ~Pop() { held.pop_back(); }
            } pop{m_held};
            result = QApplication::notify(receiver, event);
        },
        kHoldMs);
    if (!delivered) result = QApplication::notify(receiver, event);
    return result;
}
