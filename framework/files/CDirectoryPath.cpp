#include "CDirectoryPath.h"
#include "CFilePath.h"
#include "win32/kernel/FindFile.h"

#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

struct CDirectoryPath::SWalk {
    std::vector<std::filesystem::path> folders;
};

void CDirectoryPath::Populate() { PopulatePattern("*.*"); }

void CDirectoryPath::Populate(const char* mask)
{
    CString wildcard = "*.";
    wildcard += mask ? mask : "";
    PopulatePattern(wildcard);
}

void CDirectoryPath::PopulatePattern(const char* wildcard)
{
    SWalk walk;
    PopulatePattern(wildcard, walk);
}

void CDirectoryPath::PopulatePattern(const char* wildcard, SWalk& walk)
{
    std::error_code error;
    const std::filesystem::path here = std::filesystem::canonical(std::string(GetFilePath()), error);
    if (!error) {
        // A folder reached again through a link stays an empty entry: its files are listed once.
        for (const std::filesystem::path& walked : walk.folders)
            if (walked == here) return;
        walk.folders.push_back(here);
    }
    CString folder = GetFilePath();
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != '/') folder += '/';
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(folder + wildcard, &data);
    if (find == INVALID_HANDLE_VALUE) {
        if (!error) walk.folders.pop_back();
        return;
    }
    do {
        if (std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0) continue;
        CString full = folder + data.cFileName;
        if (CPath::IsDir(full)) {
            auto child = new CDirectoryPath(full + "/");
            child->PopulatePattern("*.*", walk);
            m_children.Add(child);
        } else {
            m_children.Add(new CFilePath(full));
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
    if (!error) walk.folders.pop_back();
}
