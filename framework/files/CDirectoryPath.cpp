#include "CDirectoryPath.h"
#include "CFilePath.h"
#include "win32/kernel/FindFile.h"

#include <cstring>

void CDirectoryPath::Populate() { PopulatePattern("*.*"); }

void CDirectoryPath::Populate(const char* mask)
{
    CString wildcard = "*.";
    wildcard += mask ? mask : "";
    PopulatePattern(wildcard);
}

void CDirectoryPath::PopulatePattern(const char* wildcard)
{
    CString folder = GetFilePath();
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != '/') folder += '/';
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(folder + wildcard, &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0) continue;
        CString full = folder + data.cFileName;
        if (CPath::IsDir(full)) {
            auto child = new CDirectoryPath(full + "/");
            child->Populate();
            m_children.Add(child);
        } else {
            m_children.Add(new CFilePath(full));
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}
