#include "win32/kernel/ShellFolders.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string Home()
{
    std::string home = Environment("HOME");
    if (!home.empty()) return home;
    struct passwd* entry = ::getpwuid(::getuid());
    return entry && entry->pw_dir ? std::string(entry->pw_dir) : std::string("/tmp");
}

std::string TrimSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string Sandbox() { return TrimSlash(Environment(MV_HOME_VARIABLE)); }

// An XDG variable counts only when it holds an absolute path.
std::string XdgFolder(const char* variable, const char* fallback)
{
    std::string value = Environment(variable);
    if (!value.empty() && value[0] == '/') return TrimSlash(value);
    return Home() + fallback;
}

// XDG_DOCUMENTS_DIR="$HOME/Documents" in user-dirs.dirs.
std::string UserDirsDocuments()
{
    std::ifstream in(XdgFolder("XDG_CONFIG_HOME", "/.config") + "/user-dirs.dirs");
    std::string line;
    int lines = 0;
    while (lines++ < 1000 && std::getline(in, line)) {
        if (line.size() > 4096 || line.rfind("XDG_DOCUMENTS_DIR=", 0) != 0) continue;
        std::string value = line.substr(std::strlen("XDG_DOCUMENTS_DIR="));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0) value = Home() + value.substr(5);
        if (!value.empty() && value[0] == '/') return TrimSlash(value);
    }
    return {};
}

}

std::string MvConfigHome()
{
    std::string sandbox = Sandbox();
    return sandbox.empty() ? XdgFolder("XDG_CONFIG_HOME", "/.config") : sandbox + "/config";
}

std::string MvDataHome()
{
    std::string sandbox = Sandbox();
    return sandbox.empty() ? XdgFolder("XDG_DATA_HOME", "/.local/share") : sandbox + "/data";
}

std::string MvDocumentsFolder()
{
    std::string sandbox = Sandbox();
    if (!sandbox.empty()) return sandbox + "/Documents";
    std::string documents = UserDirsDocuments();
    return documents.empty() ? Home() + "/Documents" : documents;
}

bool MvCreateFolders(const std::string& path)
{
    if (path.empty()) return false;
    for (size_t at = 1; at <= path.size(); ++at) {
        if (at != path.size() && path[at] != '/') continue;
        std::string part = path.substr(0, at);
        if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return false;
    }
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

HRESULT SHGetFolderPath(HWND, int folder, HANDLE, DWORD, char* path)
{
    if (!path) return E_INVALIDARG;
    path[0] = '\0';
    std::string result;
    switch (folder & 0xFF) {
    case CSIDL_PERSONAL: result = MvDocumentsFolder(); break;
    case CSIDL_APPDATA:
    case CSIDL_LOCAL_APPDATA:
    case CSIDL_COMMON_APPDATA: result = MvDataHome(); break;
    default: return E_INVALIDARG;
    }
    if (result.size() >= MAX_PATH) return E_FAIL;
    struct stat st;
    bool exists = ::stat(result.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    if (!exists && !((folder & CSIDL_FLAG_CREATE) && MvCreateFolders(result))) return E_FAIL;
    std::memcpy(path, result.c_str(), result.size() + 1);
    return S_OK;
}
