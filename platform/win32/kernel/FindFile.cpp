#include "win32/kernel/FindFile.h"
#include "win32/kernel/Files.h"
#include "win32/SystemError.h"
#include "win32/WinError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fnmatch.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

struct FindState {
    std::string folder;   // ends in '/', or empty for the working folder
    std::vector<std::string> names;
    size_t next = 0;
};

bool Matches(const std::string& wildcard, const char* name)
{
    // "*.*" takes names without a dot too, as the platform's matching does.
    if (wildcard == "*" || wildcard == "*.*") return true;
    return fnmatch(wildcard.c_str(), name, FNM_CASEFOLD) == 0;
}

void Fill(const FindState& state, const std::string& name, LPWIN32_FIND_DATAA data)
{
    std::memset(data, 0, sizeof *data);
    // Names longer than the field cannot come from a Linux folder (255 bytes), but stay bounded.
    std::strncpy(data->cFileName, name.c_str(), sizeof data->cFileName - 1);
    std::string full = state.folder + name;
    struct stat st;
    if (::stat(full.c_str(), &st) == 0) {
        data->nFileSizeLow = static_cast<DWORD>(static_cast<unsigned long long>(st.st_size) & 0xFFFFFFFFu);
        data->nFileSizeHigh = static_cast<DWORD>(static_cast<unsigned long long>(st.st_size) >> 32);
    }
    DWORD attributes = GetFileAttributes(full.c_str());
    data->dwFileAttributes = attributes == INVALID_FILE_ATTRIBUTES ? FILE_ATTRIBUTE_NORMAL : attributes;
}

} // namespace

HANDLE FindFirstFileA(const char* pattern, LPWIN32_FIND_DATAA data)
{
    if (!pattern || !data) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    std::string text = pattern;
    size_t slash = text.rfind('/');
    auto state = new FindState;
    std::string wildcard = slash == std::string::npos ? text : text.substr(slash + 1);
    state->folder = slash == std::string::npos ? std::string() : text.substr(0, slash + 1);
    DIR* dir = ::opendir(state->folder.empty() ? "." : state->folder.c_str());
    if (!dir) {
        MvSetLastErrorFromErrno(errno, pattern);
        delete state;
        return INVALID_HANDLE_VALUE;
    }
    while (dirent* entry = ::readdir(dir))
        if (Matches(wildcard, entry->d_name)) state->names.emplace_back(entry->d_name);
    ::closedir(dir);
    // A stable order ("." and ".." first) instead of the file system's hash order.
    std::sort(state->names.begin(), state->names.end());
    if (state->names.empty()) {
        delete state;
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    Fill(*state, state->names[state->next++], data);
    return state;
}

BOOL FindNextFileA(HANDLE find, LPWIN32_FIND_DATAA data)
{
    if (!find || find == INVALID_HANDLE_VALUE || !data) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    auto state = static_cast<FindState*>(find);
    if (state->next >= state->names.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    Fill(*state, state->names[state->next++], data);
    return TRUE;
}

BOOL FindClose(HANDLE find)
{
    if (!find || find == INVALID_HANDLE_VALUE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    delete static_cast<FindState*>(find);
    return TRUE;
}
