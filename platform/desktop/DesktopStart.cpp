#include "desktop/DesktopStart.h"

#include "desktop/DesktopApplication.h"
#include "desktop/DesktopBackend.h"
#include "desktop/DesktopDisplay.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::string gProgram = "program";
QtMessageHandler gQtHandler = nullptr;

// Qt ends the process when the connection to the display breaks (X11 or Wayland): the
// user gets one line saying so and the error exit, without the exit handlers that would
// still reach for the display.
void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if ((type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) && message.contains("connection broke")) {
        std::string line = gProgram + ": the display went away; closing\n";
        (void)!write(STDERR_FILENO, line.data(), line.size());
        _exit(1);
    }
    if (gQtHandler) gQtHandler(type, context, message);
}

} // namespace

bool MvDesktopStart(int& argc, char** argv)
{
    if (DesktopBackend::Instance().Running()) return true;
    if (!QApplication::instance()) {
        if (const char* why = DesktopDisplayProblem()) {
            std::fprintf(stderr, "%s: %s\n", argc > 0 && argv && argv[0] ? argv[0] : "program", why);
            return false;
        }
        gProgram = argc > 0 && argv && argv[0] ? argv[0] : "program";
        gQtHandler = qInstallMessageHandler(OnQtMessage);
        QApplication::setDesktopSettingsAware(true);
        new DesktopApplication(argc, argv);   // lives as long as the process
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
