#include "UDirectoryUtils.h"
#include "StApplicationId.h"
#include "UApplicationUtils.h"
#include "UStringBuffer.h"

#include "win32/kernel/Files.h"
#include "win32/kernel/ShellFolders.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kFamilyFolder[] = "Morvane G5/";

bool ShellFolder(int csidl, std::string& folder)
{
    char path[MAX_PATH] = {};
    if (SHGetFolderPath(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, 0, path) != S_OK) return false;
    folder = std::string(path) + "/";
    return true;
}

char* Text(const std::string& text) { return UStringBuffer::Text(text.c_str()); }

std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

}

char* UDirectoryUtils::GetMyDocumentsDirectory()
{
    std::string folder;
    if (ShellFolder(CSIDL_PERSONAL, folder)) return Text(folder);
    // No drive letters here: the home folder stands in for the fixed fallback.
    const char* home = std::getenv("HOME");
    return Text(std::string(home && *home ? home : "/tmp") + "/");
}

char* UDirectoryUtils::GetMyDocumentsSubDirectory(const char* name)
{
    std::string folder = GetMyDocumentsDirectory();
    return Text(folder + (name ? name : "") + "/");
}

char* UDirectoryUtils::GetUserAppDataDirectory()
{
    std::string folder;
    if (!ShellFolder(CSIDL_APPDATA, folder)) return GetAppDirectory();
    const char* name = StApplicationId::sId ? UApplicationUtils::GetShortApplicationName(StApplicationId::Id()) : "Common";
    return Text(folder + kFamilyFolder + name + "/");
}

char* UDirectoryUtils::GetCommonAppDataDirectory()
{
    std::string folder;
    if (!ShellFolder(CSIDL_COMMON_APPDATA, folder)) return GetAppDirectory();
    return Text(folder + kFamilyFolder);
}

char* UDirectoryUtils::GetAppDirectory()
{
    char path[4096] = {};
    DWORD n = GetModuleFileName(nullptr, path, sizeof(path));
    if (n == 0 || n >= sizeof(path)) return Text("");
    std::string program(path);
    size_t slash = program.find_last_of('/');
    return Text(slash == std::string::npos ? std::string() : program.substr(0, slash + 1));
}

char* UDirectoryUtils::GetAppSubDirectory(const char* name)
{
    std::string folder = GetAppDirectory();
    return Text(folder + (name ? name : "") + "/");
}

bool UDirectoryUtils::Exist(const char* path)
{
    if (!path || !*path) return false;
    struct stat st;
    return ::stat(path, &st) == 0 && S_ISDIR(st.st_mode) && ::access(path, X_OK) == 0;
}

bool UDirectoryUtils::CreateDir(const char* path) { return path && CreateDirectory(path, nullptr); }

bool UDirectoryUtils::CreateDirectoryIfNotExist(const char* path)
{
    if (!path) return false;
    if (Exist(path)) return true;
    // A trailing '/' names the same folder, not one more level.
    std::string folder = WithoutTrailingSlashes(path);
    size_t slash = folder.find_last_of('/');
    if (slash == std::string::npos) return false;
    if (slash > 0 && !CreateDirectoryIfNotExist(folder.substr(0, slash).c_str())) return false;
    return CreateDir(folder.c_str()) || Exist(folder.c_str());
}

bool UDirectoryUtils::EstablishPath(const char* filePath)
{
    if (!filePath) return false;
    std::string path(filePath);
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return true;
    if (slash == 0) return true; // a file in the root folder
    return CreateDirectoryIfNotExist(path.substr(0, slash).c_str());
}
