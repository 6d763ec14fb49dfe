#pragma once
// Folder enumeration: a pattern is a folder followed by a wildcard name ("dir/*.*",
// "dir/*.dll"); "." and ".." are listed first, as the platform does.
#include "win32/WinTypes.h"

#ifndef ERROR_NO_MORE_FILES
#define ERROR_NO_MORE_FILES 18L
#endif

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    char cFileName[MAX_PATH];
};
using WIN32_FIND_DATA = WIN32_FIND_DATAA;
using LPWIN32_FIND_DATAA = WIN32_FIND_DATAA*;

// INVALID_HANDLE_VALUE when the folder cannot be read or nothing matches.
HANDLE FindFirstFileA(const char* pattern, LPWIN32_FIND_DATAA data);
BOOL FindNextFileA(HANDLE find, LPWIN32_FIND_DATAA data);
BOOL FindClose(HANDLE find);
#define FindFirstFile FindFirstFileA
#define FindNextFile FindNextFileA
