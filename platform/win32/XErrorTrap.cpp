#include "win32/XErrorTrap.h"

#include <X11/Xlib.h>
#include <mutex>

namespace {

std::atomic<unsigned> gErrors{0};

int Count(Display*, XErrorEvent*)
{
    gErrors.fetch_add(1);
    return 0;
}

}

void MvInstallXErrorTrap()
{
    static std::once_flag once;
    std::call_once(once, [] { XSetErrorHandler(Count); });
}

unsigned MvXErrorCount() { return gErrors.load(); }
