#pragma once
// Translation of POSIX errors into the kernel's error codes (for the layer's own sources).
#include "win32/WinTypes.h"

DWORD MvErrorFromErrno(int error, const char* path = nullptr);
void MvSetLastErrorFromErrno(int error, const char* path = nullptr);
