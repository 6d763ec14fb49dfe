#pragma once
// Kernel file calls on native paths. Share modes are accepted and not enforced.
#include "win32/WinTypes.h"

#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define FILE_SHARE_READ 0x00000001u
#define FILE_SHARE_WRITE 0x00000002u
#define FILE_SHARE_DELETE 0x00000004u
#define CREATE_NEW 1u
#define CREATE_ALWAYS 2u
#define OPEN_EXISTING 3u
#define OPEN_ALWAYS 4u
#define TRUNCATE_EXISTING 5u
#define FILE_ATTRIBUTE_READONLY 0x00000001u
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010u
#define FILE_ATTRIBUTE_NORMAL 0x00000080u
#define FILE_FLAG_OVERLAPPED 0x40000000u
#define FILE_BEGIN 0u
#define FILE_CURRENT 1u
#define FILE_END 2u
#define INVALID_FILE_SIZE 0xFFFFFFFFu
#define INVALID_SET_FILE_POINTER 0xFFFFFFFFu
#define INVALID_FILE_ATTRIBUTES 0xFFFFFFFFu
#define MOVEFILE_REPLACE_EXISTING 0x00000001u
#define MOVEFILE_WRITE_THROUGH 0x00000008u

struct OVERLAPPED {
    ULONG_PTR Internal = 0;     // the completed operation's error code
    ULONG_PTR InternalHigh = 0; // bytes transferred
    DWORD Offset = 0;
    DWORD OffsetHigh = 0;
    HANDLE hEvent = nullptr;
};
using LPOVERLAPPED = OVERLAPPED*;
using LPOVERLAPPED_COMPLETION_ROUTINE = void (*)(DWORD errorCode, DWORD bytesTransferred, LPOVERLAPPED overlapped);

HANDLE CreateFile(const char* path, DWORD access, DWORD shareMode, void* security, DWORD disposition,
                  DWORD flags, HANDLE templateFile);
// With an OVERLAPPED the transfer happens at its offset and leaves the file pointer alone.
BOOL ReadFile(HANDLE file, void* buffer, DWORD count, DWORD* read, LPOVERLAPPED overlapped);
BOOL WriteFile(HANDLE file, const void* buffer, DWORD count, DWORD* written, LPOVERLAPPED overlapped);
// Writes at the OVERLAPPED's offset; the routine runs on this thread during its next alertable wait.
BOOL WriteFileEx(HANDLE file, const void* buffer, DWORD count, LPOVERLAPPED overlapped,
                 LPOVERLAPPED_COMPLETION_ROUTINE routine);
BOOL FlushFileBuffers(HANDLE file);
BOOL SetEndOfFile(HANDLE file);
DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD method);
BOOL SetFilePointerEx(HANDLE file, LARGE_INTEGER distance, LARGE_INTEGER* newPosition, DWORD method);
DWORD GetFileSize(HANDLE file, DWORD* sizeHigh);
BOOL GetFileSizeEx(HANDLE file, LARGE_INTEGER* size);

BOOL DeleteFile(const char* path);
BOOL MoveFile(const char* from, const char* to);
// Renames within one file system; with MOVEFILE_REPLACE_EXISTING the target is replaced atomically.
BOOL MoveFileEx(const char* from, const char* to, DWORD flags);
BOOL CreateDirectory(const char* path, void* security);
BOOL RemoveDirectory(const char* path);
DWORD GetFileAttributes(const char* path);

// The running program's path for a null module.
DWORD GetModuleFileName(HMODULE module, char* path, DWORD size);
