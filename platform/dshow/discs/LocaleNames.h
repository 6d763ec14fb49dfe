#pragma once
// Language identifiers and their names, as far as discs label their streams.
#include "win32/WinTypes.h"

inline constexpr DWORD LOCALE_SLANGUAGE = 0x00000002;

// The language id of a two-letter language code (case ignored); 0 when unknown.
LCID LcidFromLanguageCode(const char* code);
// Writes the language name of the id's primary language and its NUL; the characters
// written, or 0 when the id is unknown, the item is not the language name or the buffer
// too small. A size of 0 asks for the size needed.
int GetLocaleInfoA(LCID locale, DWORD item, char* text, int size);
