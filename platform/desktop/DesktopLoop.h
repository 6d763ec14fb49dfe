#pragma once
// Lets Qt's event loop and the window system's loops drive each other. When Qt runs the
// outer loop, the wake-up descriptor and the next timer call MvProcessPending; when a loop
// of the window system (CWinApp::Run, a modal dialog) has nothing to do, it waits inside a
// Qt event loop that ends as soon as the window system has work again.
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <memory>
#include <vector>

class DesktopLoop {
public:
    DesktopLoop();
    ~DesktopLoop();

    // Handles what the window system has pending, then re-arms the timer.
    void Process();
    // Runs a Qt dialog's or menu's own loop: the window system's messages keep being
    // handled while it runs.
    template <class F> auto RunQtModal(F&& f)
    {
        ++m_qtModal;
        struct Leave {
            int& depth;
            ~Leave() { --depth; }
        } leave{m_qtModal};
        return f();
    }

private:
    void Wait(int wakeFd, int timeoutMs);
    void Woken();
    void Arm();

    struct Waiting {
        QEventLoop* loop;
        int qtModal;
    };
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_timer;
    std::vector<Waiting> m_waits;
    int m_qtModal = 0;
    bool m_processing = false;
};
