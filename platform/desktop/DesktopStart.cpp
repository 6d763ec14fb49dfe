#include "desktop/DesktopStart.h"

#include "desktop/DesktopBackend.h"
#include "win32/GdiSurface.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool Set(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// Whether Qt will find a screen: a platform asked for by name, a Wayland display, or an
// X11 display that answers.
bool DisplayReachable(const char*& why)
{
    if (Set("QT_QPA_PLATFORM")) return true;
    if (Set("WAYLAND_DISPLAY")) return true;
    if (!Set("DISPLAY")) {
        why = "no display to show windows on (neither DISPLAY nor WAYLAND_DISPLAY is set)";
        return false;
    }
    if (!GdiScreenIsDisplay()) {
        why = "the display named by DISPLAY cannot be opened";
        return false;
    }
    return true;
}

} // namespace

bool MvDesktopStart(int& argc, char** argv)
{
    if (DesktopBackend::Instance().Running()) return true;
    if (!QApplication::instance()) {
        const char* why = nullptr;
        if (!DisplayReachable(why)) {
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
