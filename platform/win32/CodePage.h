#pragma once
// Code-page conversion. The "ANSI code page" is UTF-8; wide text is UTF-16.
#include "win32/WinTypes.h"

#define CP_ACP 0
#define CP_UTF8 65001

// Same contract as the system's callers expect: with a zero output size, returns the
// size needed; a source length of -1 includes the terminating NUL. Invalid UTF-8
// bytes become U+FFFD; unpaired surrogates become U+FFFD.
int MultiByteToWideChar(UINT codePage, DWORD flags, const char* source, int sourceLength,
                        WCHAR* target, int targetLength);
int WideCharToMultiByte(UINT codePage, DWORD flags, const WCHAR* source, int sourceLength,
                        char* target, int targetLength, const char* defaultChar, BOOL* usedDefault);
UINT GetACP();
