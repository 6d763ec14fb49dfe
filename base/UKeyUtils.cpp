#include "UKeyUtils.h"

#include "win32/Messages.h"
#include "win32/dialogs/Resources.h"

namespace {

bool IsDown(int virtualKey)
{
    return (static_cast<unsigned short>(GetKeyState(virtualKey)) & 0x8000) != 0;
}

}

bool UKeyUtils::IsControlDown() { return IsDown(VK_CONTROL); }
bool UKeyUtils::IsShiftDown() { return IsDown(VK_SHIFT); }
bool UKeyUtils::IsAltDown() { return IsDown(VK_MENU); }
