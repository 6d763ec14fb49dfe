#include "USystemUtils.h"
#include "URegistryUtils.h"

#include <cstdlib>

int USystemUtils::GetKernelVersion()
{
    return std::atoi(URegistryUtils::GetRegistryTextValue(true, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\CurrentVersion"));
}
