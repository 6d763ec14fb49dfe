#include "desktop/DesktopLoop.h"

#include "desktop/DesktopBackend.h"
#include "win32/windowing/MessageLoop.h"

#include <QCoreApplication>
#include <QThread>

#include <poll.h>

DesktopLoop::DesktopLoop()
{
    m_notifier = std::make_unique<QSocketNotifier>(MvGetWakeFd(), QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { Woken(); });
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Woken(); });
    MvSetWaitHook([this](int fd, int timeoutMs) { Wait(fd, timeoutMs); });
    Arm();
}

DesktopLoop::~DesktopLoop()
{
    MvSetWaitHook(nullptr);
}

void DesktopLoop::Woken()
{
    // A window-system loop waiting at the top of the stack takes the work itself.
    if (!m_waits.empty() && m_waits.back().qtModal == m_qtModal) {
        m_waits.back().loop->quit();
        return;
    }
    Process();
}

void DesktopLoop::Process()
{
    if (m_processing) return;
    m_processing = true;
    MvProcessPending();
    m_processing = false;
    DesktopBackend::Instance().Flush();
    int code = 0;
    bool quit = m_waits.empty() && MvQuitPending(&code);
    // A quit left in the queue keeps the descriptor readable: it is looked at again
    // now and then until whoever owns it takes it.
    m_notifier->setEnabled(!quit);
    if (quit) {
        // Without a running loop exit() would only make every later loop return at once.
        if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(code);
        m_timer.start(50);
        return;
    }
    Arm();
}

void DesktopLoop::Arm()
{
    int timeout = MvNextTimeout();
    if (timeout >= 0) m_timer.start(timeout);
    else m_timer.stop();
}

void DesktopLoop::Wait(int wakeFd, int timeoutMs)
{
    DesktopBackend::Instance().Flush();
    QEventLoop loop;
    QTimer limit;
    pollfd p{wakeFd, POLLIN, 0};
    // Work is waiting already: Qt's pending events get one turn, so a busy window system
    // never starves the screen.
    if (poll(&p, 1, 0) > 0) timeoutMs = 0;
    if (timeoutMs >= 0) {
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        limit.start(timeoutMs);
    }
    m_timer.stop();
    // The waiter takes a quit itself, and one taken meanwhile must not leave it deaf.
    m_notifier->setEnabled(true);
    m_waits.push_back(Waiting{&loop, m_qtModal});
    loop.exec();
    m_waits.pop_back();
    DesktopBackend::Instance().Flush();
    Arm();
}
