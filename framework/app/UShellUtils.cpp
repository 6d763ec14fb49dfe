#include "UShellUtils.h"

#include "win32/windowing/Shell.h"

void UShellUtils::Open(const char* fileOrAddress)
{
    if (!fileOrAddress) return;
    ShellExecute(nullptr, "open", fileOrAddress, nullptr, nullptr, SW_SHOW);
}
