#pragma once
// Registered clipboard formats: one number per name for the life of the process.
#include "win32/WinTypes.h"

// The same name (case-insensitive) always gives the same number, 0xC000 and up; 0 for no name.
UINT RegisterClipboardFormatA(LPCSTR name);
#define RegisterClipboardFormat RegisterClipboardFormatA
