#include "UCheckingText.h"

#include <filesystem>
#include <string>

CString UCheckingText::Of(const char* path)
{
    // Not through the shared text ring, which belongs to the user-interface thread.
    const std::string name = std::filesystem::path(path ? path : "").filename().string();
    return CString("Checking ") + name.c_str();
}
