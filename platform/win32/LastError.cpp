#include "win32/WinError.h"
#include "win32/SystemError.h"

#include <cerrno>
#include <string>
#include <sys/stat.h>

namespace {
thread_local DWORD tLastError = ERROR_SUCCESS;
}

DWORD GetLastError() { return tLastError; }
void SetLastError(DWORD error) { tLastError = error; }

DWORD MvErrorFromErrno(int error, const char* path)
{
    switch (error) {
    case 0: return ERROR_SUCCESS;
    case ENOENT: {
        // The kernel tells a missing file from a missing folder; errno does not.
        if (path) {
            std::string parent(path);
            size_t slash = parent.find_last_of('/');
            if (slash != std::string::npos && slash > 0) {
                parent.resize(slash);
                struct stat st;
                if (stat(parent.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return ERROR_PATH_NOT_FOUND;
            }
        }
        return ERROR_FILE_NOT_FOUND;
    }
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES: case EPERM: case EROFS: case EISDIR: return ERROR_ACCESS_DENIED;
    case EEXIST: return ERROR_FILE_EXISTS;
    case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
    case ENOSPC: case EDQUOT: return ERROR_DISK_FULL;
    case EMFILE: case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case EBADF: return ERROR_INVALID_HANDLE;
    case EINVAL: return ERROR_INVALID_PARAMETER;
    case EBUSY: case ETXTBSY: return ERROR_SHARING_VIOLATION;
    case EIO: return ERROR_WRITE_FAULT;
    default: return ERROR_INVALID_FUNCTION;
    }
}

void MvSetLastErrorFromErrno(int error, const char* path) { SetLastError(MvErrorFromErrno(error, path)); }
