#pragma once
// UTF-16 names of pins, filters and files, to and from UTF-8.
#include "win32/WinTypes.h"

#include <string>

std::string NarrowText(LPCWSTR text);
std::u16string WideText(const std::string& text);
// Copies into a fixed name field, cutting to fit and ending with a NUL.
void CopyWideName(WCHAR* target, size_t capacity, const std::u16string& name);
