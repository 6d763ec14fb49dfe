#pragma once
// The program's QApplication: a user's action on a window of a worker thread, and its
// painting, happen while that thread stands still at its messages, so the window's models
// are never read or changed by two threads at once.
#include <QApplication>

#include "win32/WinTypes.h"

#include <vector>

class DesktopApplication : public QApplication {
public:
    DesktopApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::vector<DWORD> m_held;   // threads held by the deliveries running now
};
