#include "UFileUtils.h"
#include "CHandle.h"
#include "UStringBuffer.h"

#include "win32/kernel/Files.h"
#include "win32/kernel/Threads.h"
#include "win32/settings/LockedFile.h"
#include "win32/WinError.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A path in the parts the runtime's path splitter gives: folder (with its '/'), name, and
// extension (from the name's last dot).
struct PathParts {
    std::string folder, name, extension;
};

PathParts Split(const char* path)
{
    PathParts parts;
    std::string text(path ? path : "");
    size_t slash = text.find_last_of('/');
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    parts.folder = text.substr(0, nameStart);
    std::string file = text.substr(nameStart);
    size_t dot = file.find_last_of('.');
    parts.name = dot == std::string::npos ? file : file.substr(0, dot);
    parts.extension = dot == std::string::npos ? std::string() : file.substr(dot);
    return parts;
}

char* Text(const std::string& text) { return UStringBuffer::Text(text.c_str()); }

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle()
    {
        if (IsOpen()) CloseHandle(m_handle);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }
    bool Close()
    {
        HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return CloseHandle(handle);
    }

private:
    HANDLE m_handle;
};

HANDLE OpenForReading(const char* path)
{
    return CreateFile(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}

char* UFileUtils::GetFileExtension(const char* path)
{
    std::string text(path ? path : "");
    size_t dot = text.find_last_of('.');
    size_t slash = text.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && slash > dot)) return Text("");
    return Text(text.substr(dot + 1));
}

char* UFileUtils::GetFileNameOnly(const char* path)
{
    std::string text(path ? path : "");
    size_t slash = text.find_last_of('/');
    return Text(slash == std::string::npos ? text : text.substr(slash + 1));
}

char* UFileUtils::GetFileNameWithoutExtension(const char* path) { return Text(Split(path).name); }

char* UFileUtils::GetPathOnly(const char* path)
{
    std::string text(path ? path : "");
    size_t slash = text.find_last_of('/');
    return Text(slash == std::string::npos ? text : text.substr(0, slash));
}

char* UFileUtils::ReplaceExtension(const char* path, const char* ext)
{
    if (!path || !*path) return Text("");
    PathParts parts = Split(path);
    std::string result = parts.folder + parts.name;
    std::string extension(ext ? ext : "");
    if (!extension.empty()) result += extension[0] == '.' ? extension : "." + extension;
    return Text(result);
}

void UFileUtils::DeleteFileA(const char* path)
{
    if (path) DeleteFile(path);
}

bool UFileUtils::FileExist(const char* path)
{
    if (!path) return false;
    FileHandle file(CreateFile(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (file.IsOpen()) return true;
    DWORD error = GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

int64_t UFileUtils::GetFileSize(const char* path)
{
    if (!path) return 0;
    FileHandle file(OpenForReading(path));
    LARGE_INTEGER size;
    if (!file.IsOpen() || !GetFileSizeEx(file.Get(), &size)) return 0;
    return size.QuadPart;
}

bool UFileUtils::ReadFile(const char* path, CHandle& data)
{
    data.Clear();
    if (!path) return false;
    FileHandle file(OpenForReading(path));
    LARGE_INTEGER size;
    if (!file.IsOpen() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart >= (int64_t(1) << 32)) return false;
    DWORD length = static_cast<DWORD>(size.QuadPart);
    if (length == 0) return true;
    if (!data.Allocate(length, false)) return false;
    DWORD read = 0;
    bool whole = ::ReadFile(file.Get(), data.GetBuffer(), length, &read, nullptr) && read == length;
    if (!whole) data.Clear();
    return whole;
}

bool UFileUtils::WriteFile(const char* path, const unsigned char* data, uint32_t length, bool ownerOnly)
{
    if (!path || !*path || (!data && length)) return false;
    MvLockedFile::RemoveStaleTemporaries(path);
    std::string temp;
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int n = 0; n < 100 && handle == INVALID_HANDLE_VALUE; ++n) {
        // The process id keeps leftovers of a crashed save from blocking later ones.
        temp = MvLockedFile::TemporaryPrefix(path) + std::to_string(n);
        handle = CreateFile(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return false;
    }
    FileHandle file(handle);
    if (!file.IsOpen()) return false;
    // Before any byte is written, so a credential is never readable by others.
    if (ownerOnly && ::chmod(temp.c_str(), 0600) != 0) {
        file.Close();
        DeleteFile(temp.c_str());
        return false;
    }
    DWORD written = 0;
    bool ok = (length == 0 || ::WriteFile(file.Get(), data, length, &written, nullptr)) && written == length &&
              FlushFileBuffers(file.Get());
    ok = file.Close() && ok;
    ok = ok && MoveFileEx(temp.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFile(temp.c_str());
    return ok;
}

char* UFileUtils::GetNumberedFileName(const char* path, uint32_t n)
{
    if (n == 0) return Text(path ? path : "");
    PathParts parts = Split(path);
    char number[24];
    std::snprintf(number, sizeof(number), " %lu", static_cast<unsigned long>(n) + 1);
    return Text(parts.folder + parts.name + number + parts.extension);
}

char* UFileUtils::GetNonExistingFileName(const char* path)
{
    for (uint32_t n = 0; n < 60000; ++n) {
        char* candidate = GetNumberedFileName(path, n);
        if (!FileExist(candidate)) return candidate;
    }
    return GetNumberedFileName(path, 99999);
}
