#include "CPath.h"
#include "CDirectoryPath.h"
#include "CFilePath.h"
#include "win32/kernel/Files.h"

bool CPath::IsDir(const char* path)
{
    if (!path) return false;
    DWORD attributes = GetFileAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

CPath* CPath::Duplicate(const CPath& path)
{
    if (auto folder = dynamic_cast<const CDirectoryPath*>(&path)) return new CDirectoryPath(*folder);
    if (auto file = dynamic_cast<const CFilePath*>(&path)) return new CFilePath(*file);
    return new CPath(path);
}
