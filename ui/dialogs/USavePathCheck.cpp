#include "USavePathCheck.h"

#include "UDirectoryUtils.h"
#include "UFileUtils.h"
#include "win32/kernel/Files.h"
#include "win32/kernel/Threads.h"

#include <cstdio>
#include <string>

namespace {

CString Message(const char* format, const char* path)
{
    std::string text(format);
    const size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, path ? path : "");
    return text.c_str();
}

// Opens (or makes, then removes) the file for writing without changing its contents.
bool CanWrite(const char* path, bool exists)
{
    HANDLE file = CreateFile(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             exists ? OPEN_EXISTING : CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    if (!exists) DeleteFile(path);
    return true;
}

} // namespace

CString USavePathCheck::Check(const char* path)
{
    if (!path || !*path) return "Please specify the output file name.";
    const CString folder = UFileUtils::GetPathOnly(path);
    if (!folder.IsEmpty() && !UDirectoryUtils::Exist(folder))
        return Message("The folder \"%s\" does not exist. Please choose another location.", folder);
    const DWORD attributes = GetFileAttributes(path);
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return Message("\"%s\" is a folder. Please specify the output file name.", path);
    if (!CanWrite(path, exists))
        return Message("Unable to write the file \"%s\". Please choose another location.", path);
    return CString();
}
