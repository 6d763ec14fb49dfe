#include "TelloraResources.h"

#include "win32/gdi/Icon.h"

#include <filesystem>
#include <system_error>

std::string TelloraResourceFolder(const std::string& program)
{
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path self = fs::canonical(program.empty() ? fs::path("/proc/self/exe") : fs::path(program), error);
    if (!error) {
        fs::path installed = self.parent_path().parent_path() / "share" / "tellora";
        if (fs::exists(installed / "130.bmp", error)) return installed.string();
    }
    if (fs::exists(fs::path(TELLORA_RESOURCES) / "130.bmp", error)) return TELLORA_RESOURCES;
    return std::string();
}

bool TelloraUseResources(const std::string& program)
{
    std::string folder = TelloraResourceFolder(program);
    return !folder.empty() && MvSetResourceFolder(nullptr, folder.c_str());
}
