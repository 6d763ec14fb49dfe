#pragma once
// Text helpers of the control models: UTF-8 (the ANSI code page) to UTF-16 and back,
// caller buffers filled the bounded way the control messages promise, and case-blind compare.
#include "win32/WinTypes.h"

#include <string>
#include <string_view>

std::u16string CtlWiden(std::string_view text);
std::string CtlNarrow(std::u16string_view text);
// Copies text into buffer of `size` bytes, cut to fit and NUL-terminated; returns the bytes copied.
int CtlCopyOut(std::string_view text, char* buffer, int size);
// The text a message parameter points to; empty for null.
std::string CtlTextArg(LPARAM text);
int CtlCompareNoCase(std::string_view a, std::string_view b);
bool CtlStartsNoCase(std::string_view text, std::string_view prefix);
