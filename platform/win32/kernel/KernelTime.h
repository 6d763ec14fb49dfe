#pragma once
// Clocks and calendar conversions. File times count 100 ns units since 1601-01-01 UTC.
#include "win32/WinTypes.h"

// Milliseconds since an arbitrary start, wrapping at 2^32; they follow the clock of
// win32/Clock.h, so a test's virtual clock moves them too.
DWORD GetTickCount();
DWORD timeGetTime();

void GetSystemTime(SYSTEMTIME* time);
void GetLocalTime(SYSTEMTIME* time);
void GetSystemTimeAsFileTime(FILETIME* time);
BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime);
BOOL SystemTimeToFileTime(const SYSTEMTIME* systemTime, FILETIME* fileTime);
BOOL FileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local);
BOOL LocalFileTimeToFileTime(const FILETIME* local, FILETIME* utc);
