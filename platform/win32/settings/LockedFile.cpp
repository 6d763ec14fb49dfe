#include "win32/settings/LockedFile.h"
#include "win32/settings/SettingsBatch.h"
#include "win32/SystemError.h"
#include "win32/WinError.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr time_t kUnnamedTemporaryAge = 600;

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return m_fd; }
    int Release()
    {
        int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, const char* bytes, size_t size)
{
    while (size > 0) {
        ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

void SyncFolderOf(const std::string& path)
{
    Fd dir(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) ::fsync(dir.Get());
}

}

bool MvLockedFile::Read(const std::string& path, std::string& bytes, bool* truncated)
{
    if (const std::string* staged = MvSettingsBatch::Staged(path)) {
        bytes = *staged;
        if (truncated) *truncated = false;
        return true;
    }
    return ReadFile(path, bytes, truncated);
}

bool MvLockedFile::ReadFile(const std::string& path, std::string& bytes, bool* truncated)
{
    bytes.clear();
    if (truncated) *truncated = false;
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        if (errno == ENOENT) return true;
        MvSetLastErrorFromErrno(errno, path.c_str());
        return false;
    }
    struct stat st;
    if (::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    char chunk[65536];
    for (;;) {
        size_t want = sizeof(chunk);
        if (bytes.size() + want > kMaxSize) want = kMaxSize - bytes.size();
        if (want == 0) {
            char extra;
            if (::read(fd.Get(), &extra, 1) > 0 && truncated) *truncated = true;
            break;
        }
        ssize_t n = ::read(fd.Get(), chunk, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            MvSetLastErrorFromErrno(errno);
            return false;
        }
        if (n == 0) break;
        bytes.append(chunk, static_cast<size_t>(n));
    }
    return true;
}

std::string MvLockedFile::TemporaryPrefix(const std::string& path)
{
    return path + ".~" + std::to_string(::getpid()) + "-";
}

void MvLockedFile::RemoveStaleTemporaries(const std::string& path)
{
    std::string folder = FolderOf(path);
    size_t slash = path.find_last_of('/');
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string prefix = base + ".~";
    // Earlier versions named their temporaries without the process: those are taken when old
    // enough that no save can still be writing them.
    const std::string unnamed = base + ".tmp-";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const pid_t self = ::getpid();
    while (const dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name.size() == unnamed.size() + 6 && name.compare(0, unnamed.size(), unnamed) == 0) {
            struct stat st {};
            std::string full = folder + "/" + name;
            if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_mtime + kUnnamedTemporaryAge < ::time(nullptr))
                ::unlink(full.c_str());
            continue;
        }
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        // "<name>.~<pid>-<anything>"
        const char* digits = name.c_str() + prefix.size();
        char* end = nullptr;
        errno = 0;
        long pid = std::strtol(digits, &end, 10);
        if (end == digits || *end != '-' || errno != 0 || pid <= 0 || pid == self || pid != static_cast<pid_t>(pid)) continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        ::unlink((folder + "/" + name).c_str());
    }
    ::closedir(dir);
}

bool MvLockedFile::Replace(const std::string& path, const void* bytes, size_t size, bool ownerOnly, bool sync)
{
    RemoveStaleTemporaries(path);
    std::string temp = TemporaryPrefix(path) + "XXXXXX";
    Fd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.Get() < 0) {
        MvSetLastErrorFromErrno(errno, path.c_str());
        return false;
    }
    struct stat old;
    mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (ownerOnly) mode = 0600;
    ::fchmod(fd.Get(), mode);
    bool ok = WriteAll(fd.Get(), static_cast<const char*>(bytes), size) && (!sync || ::fsync(fd.Get()) == 0);
    int error = errno;
    ok = ::close(fd.Release()) == 0 && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) == 0) {
        if (sync) SyncFolderOf(path);
        return true;
    }
    if (ok) error = errno;
    ::unlink(temp.c_str());
    SetLastError(error == ENOSPC ? ERROR_DISK_FULL : MvErrorFromErrno(error, path.c_str()));
    return false;
}

bool MvLockedFile::Update(const std::string& path, const std::function<bool(std::string&)>& change, bool ownerOnly,
                          bool sync)
{
    if (MvSettingsBatch::Active()) return MvSettingsBatch::Stage(path, change);
    // The lock is on the folder, so no lock file is left beside the settings.
    std::string folder = FolderOf(path);
    Fd lock(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (lock.Get() < 0) {
        MvSetLastErrorFromErrno(errno, path.c_str());
        return false;
    }
    while (::flock(lock.Get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            MvSetLastErrorFromErrno(errno);
            return false;
        }
    }
    std::string bytes;
    bool truncated = false;
    if (!ReadFile(path, bytes, &truncated)) return false;
    if (truncated) {
        // Rewriting would drop what lies beyond the limit.
        SetLastError(ERROR_CANTWRITE);
        return false;
    }
    if (!change(bytes)) return true;
    if (bytes.size() > kMaxSize) {
        SetLastError(ERROR_CANTWRITE);
        return false;
    }
    return Replace(path, bytes.data(), bytes.size(), ownerOnly, sync);
}
