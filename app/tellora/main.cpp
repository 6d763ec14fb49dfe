// The speaking program. On screen when a display exists; MORVANE_HEADLESS=1 runs it on
// the headless window system.
#include "CTelloraApp.h"
#include "DesktopStart.h"
#include "TelloraResources.h"
#include "afx/windows/CWinApp.h"

#include <cstdlib>

CTelloraApp theApp;

int main(int argc, char** argv)
{
    TelloraUseResources(std::string());
    const char* headless = std::getenv("MORVANE_HEADLESS");
    if (!(headless && *headless && *headless != '0') && !MvDesktopStart(argc, argv)) return 1;
    return AfxWinMain();
}
