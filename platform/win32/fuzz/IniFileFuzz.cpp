// Ini files of any shape: lookups and edits must survive them and keep every other line.
#include "win32/settings/IniText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MvIniText ini(std::string(reinterpret_cast<const char*>(data), size));
    std::string value;
    for (const auto& section : ini.Sections())
        for (const auto& key : ini.Keys(section)) ini.Find(section, key, value);
    ini.Set("Window", "Tray", "1");
    if (!ini.Find("window", "TRAY", value) || value != "1") std::abort();
    ini.RemoveKey("Window", "Tray");
    ini.RemoveSection("Settings");
    MvIniText again(ini.Bytes());
    if (again.Bytes() != ini.Bytes()) std::abort();
    return 0;
}
