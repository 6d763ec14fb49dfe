#include "desktop/DesktopStart.h"

#include "desktop/DesktopBackend.h"
#include "desktop/DesktopDisplay.h"

#include <QApplication>

#include <cstdio>

bool MvDesktopStart(int& argc, char** argv)
{
    if (DesktopBackend::Instance().Running()) return true;
    if (!QApplication::instance()) {
        if (const char* why = DesktopDisplayProblem()) {
            std::fprintf(stderr, "%s: %s\n", argc > 0 && argv && argv[0] ? argv[0] : "program", why);
            return false;
        }
        QApplication::setDesktopSettingsAware(true);
        new QApplication(argc, argv);   // lives as long as the process
    }
    DesktopBackend::Instance().Start();
    return true;
}

bool MvDesktopRunning()
{
    return DesktopBackend::Instance().Running();
}

void MvDesktopStop()
{
    DesktopBackend::Instance().Stop();
}
