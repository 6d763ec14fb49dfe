#include "win32/gdi/XErrorTrap.h"

#include <X11/Xlib.h>
#include <mutex>

namespace {

std::atomic<unsigned> gErrors{0};

int Count(Display*, XErrorEvent*)
{
    gErrors.fetch_add(1);
    return 0;
}

int Quiet(Display*) { return 0; }

void MarkLost(Display*, void* lost)
{
    static_cast<std::atomic<bool>*>(lost)->store(true);
}

}

void MvInstallXErrorTrap()
{
    static std::once_flag once;
    std::call_once(once, [] {
        XSetErrorHandler(Count);
        XSetIOErrorHandler(Quiet);
    });
}

unsigned MvXErrorCount() { return gErrors.load(); }

void MvWatchDisplayLoss(Display* display, std::atomic<bool>* lost)
{
    // With an exit handler that returns, Xlib fails the calls on a lost connection instead of exiting.
    if (display) XSetIOErrorExitHandler(display, MarkLost, lost);
}
