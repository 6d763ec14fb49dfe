#include "desktop/DesktopDisplay.h"

#include "win32/gdi/GdiSurface.h"

#include <cstdlib>

namespace {

bool Set(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

const char* DesktopDisplayProblem()
{
    if (Set("QT_QPA_PLATFORM") || Set("WAYLAND_DISPLAY")) return nullptr;
    if (!Set("DISPLAY")) return "no display to show windows on (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    if (!GdiScreenIsDisplay()) return "the display named by DISPLAY cannot be opened";
    return nullptr;
}
