#include "win32/kernel/Files.h"
#include "win32/kernel/Completions.h"
#include "win32/kernel/KernelObject.h"
#include "win32/SystemError.h"
#include "win32/WinError.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class MvFile : public MvKernelObject {
public:
    explicit MvFile(int fd) : m_fd(fd) {}
    ~MvFile() override { ::close(m_fd); }
    int Fd() const { return m_fd; }

private:
    int m_fd;
};

int FdOf(HANDLE file)
{
    auto object = MvLookupHandleAs<MvFile>(file);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return -1;
    }
    return object->Fd();
}

int64_t OffsetOf(const OVERLAPPED* overlapped)
{
    return static_cast<int64_t>((static_cast<uint64_t>(overlapped->OffsetHigh) << 32) | overlapped->Offset);
}

// Reads or writes the whole count unless the file ends or fails; -1 on failure.
template <class Io>
ssize_t Transfer(Io io, size_t count)
{
    size_t done = 0;
    while (done < count) {
        ssize_t n = io(done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return done > 0 ? static_cast<ssize_t>(done) : -1;
        }
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

ssize_t ReadAt(int fd, void* buffer, size_t count, const OVERLAPPED* overlapped)
{
    char* bytes = static_cast<char*>(buffer);
    if (overlapped) {
        int64_t at = OffsetOf(overlapped);
        return Transfer([&](size_t done) { return ::pread(fd, bytes + done, count - done, static_cast<off_t>(at + done)); }, count);
    }
    return Transfer([&](size_t done) { return ::read(fd, bytes + done, count - done); }, count);
}

ssize_t WriteAt(int fd, const void* buffer, size_t count, const OVERLAPPED* overlapped)
{
    const char* bytes = static_cast<const char*>(buffer);
    if (overlapped) {
        int64_t at = OffsetOf(overlapped);
        return Transfer([&](size_t done) { return ::pwrite(fd, bytes + done, count - done, static_cast<off_t>(at + done)); }, count);
    }
    return Transfer([&](size_t done) { return ::write(fd, bytes + done, count - done); }, count);
}

bool Seek(HANDLE file, int64_t distance, DWORD method, int64_t* result)
{
    int fd = FdOf(file);
    if (fd < 0) return false;
    int whence = method == FILE_CURRENT ? SEEK_CUR : method == FILE_END ? SEEK_END : SEEK_SET;
    if (method > FILE_END) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    off_t at = ::lseek(fd, static_cast<off_t>(distance), whence);
    if (at < 0) {
        SetLastError(errno == EINVAL ? ERROR_NEGATIVE_SEEK : MvErrorFromErrno(errno));
        return false;
    }
    *result = at;
    return true;
}

bool SizeOf(HANDLE file, int64_t* size)
{
    int fd = FdOf(file);
    if (fd < 0) return false;
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        MvSetLastErrorFromErrno(errno);
        return false;
    }
    *size = st.st_size;
    return true;
}

}

HANDLE CreateFile(const char* path, DWORD access, DWORD, void*, DWORD disposition, DWORD, HANDLE)
{
    if (!path || !*path) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    int flags = O_CLOEXEC;
    bool read = access & GENERIC_READ, write = access & GENERIC_WRITE;
    flags |= read && write ? O_RDWR : write ? O_WRONLY : O_RDONLY;
    switch (disposition) {
    case CREATE_NEW: flags |= O_CREAT | O_EXCL; break;
    case CREATE_ALWAYS: flags |= O_CREAT | O_TRUNC; break;
    case OPEN_EXISTING: break;
    case OPEN_ALWAYS: flags |= O_CREAT; break;
    case TRUNCATE_EXISTING: flags |= O_TRUNC; break;
    default: SetLastError(ERROR_INVALID_PARAMETER); return INVALID_HANDLE_VALUE;
    }
    struct stat st;
    if (::stat(path, &st) == 0 && S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    bool existed = ::access(path, F_OK) == 0;
    int fd = ::open(path, flags, 0666);
    if (fd < 0) {
        MvSetLastErrorFromErrno(errno, path);
        return INVALID_HANDLE_VALUE;
    }
    // As the kernel does: an open that met an existing file says so, and still succeeds.
    SetLastError((existed && (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS)) ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return MvRegisterHandle(std::make_shared<MvFile>(fd));
}

BOOL ReadFile(HANDLE file, void* buffer, DWORD count, DWORD* read, LPOVERLAPPED overlapped)
{
    if (read) *read = 0;
    int fd = FdOf(file);
    if (fd < 0) return FALSE;
    ssize_t n = ReadAt(fd, buffer, count, overlapped);
    if (n < 0) {
        MvSetLastErrorFromErrno(errno);
        return FALSE;
    }
    if (read) *read = static_cast<DWORD>(n);
    if (overlapped) overlapped->InternalHigh = static_cast<ULONG_PTR>(n);
    return TRUE;
}

BOOL WriteFile(HANDLE file, const void* buffer, DWORD count, DWORD* written, LPOVERLAPPED overlapped)
{
    if (written) *written = 0;
    int fd = FdOf(file);
    if (fd < 0) return FALSE;
    ssize_t n = WriteAt(fd, buffer, count, overlapped);
    if (n < 0) {
        MvSetLastErrorFromErrno(errno);
        return FALSE;
    }
    if (written) *written = static_cast<DWORD>(n);
    if (overlapped) overlapped->InternalHigh = static_cast<ULONG_PTR>(n);
    if (static_cast<DWORD>(n) < count) {
        // A short write means the disk is full: the caller must not take it for success.
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    return TRUE;
}

BOOL WriteFileEx(HANDLE file, const void* buffer, DWORD count, LPOVERLAPPED overlapped, LPOVERLAPPED_COMPLETION_ROUTINE routine)
{
    if (!overlapped || !routine) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    int fd = FdOf(file);
    if (fd < 0) return FALSE;
    ssize_t n = WriteAt(fd, buffer, count, overlapped);
    DWORD error = n < 0 ? MvErrorFromErrno(errno) : static_cast<DWORD>(n) < count ? ERROR_DISK_FULL : ERROR_SUCCESS;
    DWORD transferred = n < 0 ? 0 : static_cast<DWORD>(n);
    overlapped->Internal = error;
    overlapped->InternalHigh = transferred;
    MvQueueCompletion([routine, error, transferred, overlapped] { routine(error, transferred, overlapped); });
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL FlushFileBuffers(HANDLE file)
{
    int fd = FdOf(file);
    if (fd < 0) return FALSE;
    if (::fsync(fd) != 0) {
        MvSetLastErrorFromErrno(errno);
        return FALSE;
    }
    return TRUE;
}

BOOL SetEndOfFile(HANDLE file)
{
    int fd = FdOf(file);
    if (fd < 0) return FALSE;
    off_t at = ::lseek(fd, 0, SEEK_CUR);
    if (at < 0 || ::ftruncate(fd, at) != 0) {
        MvSetLastErrorFromErrno(errno);
        return FALSE;
    }
    return TRUE;
}

DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD method)
{
    int64_t move = distanceHigh ? static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(*distanceHigh)) << 32) | static_cast<uint32_t>(distance))
                                : static_cast<int64_t>(distance);
    int64_t at;
    if (!Seek(file, move, method, &at)) return INVALID_SET_FILE_POINTER;
    if (distanceHigh) *distanceHigh = static_cast<LONG>(at >> 32);
    else if (at > static_cast<int64_t>(UINT32_MAX)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    SetLastError(ERROR_SUCCESS); // a valid position may equal INVALID_SET_FILE_POINTER
    return static_cast<DWORD>(at & 0xFFFFFFFFu);
}

BOOL SetFilePointerEx(HANDLE file, LARGE_INTEGER distance, LARGE_INTEGER* newPosition, DWORD method)
{
    int64_t at;
    if (!Seek(file, distance.QuadPart, method, &at)) return FALSE;
    if (newPosition) newPosition->QuadPart = at;
    return TRUE;
}

DWORD GetFileSize(HANDLE file, DWORD* sizeHigh)
{
    int64_t size;
    if (!SizeOf(file, &size)) return INVALID_FILE_SIZE;
    if (sizeHigh) *sizeHigh = static_cast<DWORD>(static_cast<uint64_t>(size) >> 32);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(static_cast<uint64_t>(size) & 0xFFFFFFFFu);
}

BOOL GetFileSizeEx(HANDLE file, LARGE_INTEGER* size)
{
    int64_t bytes;
    if (!size || !SizeOf(file, &bytes)) return FALSE;
    size->QuadPart = bytes;
    return TRUE;
}

BOOL DeleteFile(const char* path)
{
    struct stat st;
    if (path && ::lstat(path, &st) == 0 && S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (!path || ::unlink(path) != 0) {
        MvSetLastErrorFromErrno(path ? errno : ENOENT, path);
        return FALSE;
    }
    return TRUE;
}

BOOL MoveFile(const char* from, const char* to) { return MoveFileEx(from, to, 0); }

BOOL MoveFileEx(const char* from, const char* to, DWORD flags)
{
    if (!from || !to) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!(flags & MOVEFILE_REPLACE_EXISTING) && ::access(to, F_OK) == 0) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return FALSE;
    }
    if (::rename(from, to) != 0) {
        MvSetLastErrorFromErrno(errno, from);
        return FALSE;
    }
    if (flags & MOVEFILE_WRITE_THROUGH) {
        std::string folder(to);
        size_t slash = folder.find_last_of('/');
        folder = slash == std::string::npos ? "." : slash == 0 ? "/" : folder.substr(0, slash);
        int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }
    return TRUE;
}

BOOL CreateDirectory(const char* path, void*)
{
    if (!path || !*path) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    if (::mkdir(path, 0777) != 0) {
        SetLastError(errno == EEXIST ? ERROR_ALREADY_EXISTS : MvErrorFromErrno(errno, path));
        return FALSE;
    }
    return TRUE;
}

BOOL RemoveDirectory(const char* path)
{
    if (!path || ::rmdir(path) != 0) {
        MvSetLastErrorFromErrno(path ? errno : ENOENT, path);
        return FALSE;
    }
    return TRUE;
}

DWORD GetFileAttributes(const char* path)
{
    struct stat st;
    if (!path || ::stat(path, &st) != 0) {
        MvSetLastErrorFromErrno(path ? errno : ENOENT, path);
        return INVALID_FILE_ATTRIBUTES;
    }
    DWORD attributes = 0;
    if (S_ISDIR(st.st_mode)) attributes |= FILE_ATTRIBUTE_DIRECTORY;
    if (::access(path, W_OK) != 0) attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}
