#pragma once
// Enumeration of the installed font families, one report per family and script.
#include "win32/fonts/Font.h"

#ifndef LF_FULLFACESIZE
#define LF_FULLFACESIZE 64
#endif
#define TRUETYPE_FONTTYPE 0x0004
#define RUSSIAN_CHARSET 204
#define GREEK_CHARSET 161

struct ENUMLOGFONTEXA {
    LOGFONTA elfLogFont;
    BYTE elfFullName[LF_FULLFACESIZE];
    BYTE elfStyle[LF_FACESIZE];
    BYTE elfScript[LF_FACESIZE];
};

// font is an ENUMLOGFONTEXA; a zero result ends the enumeration.
using FONTENUMPROCA = int (*)(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD fontType, LPARAM param);

// Families matching filter's face name (empty: every family) and character set (DEFAULT_CHARSET:
// every script a family covers); the last value the callback returned, 1 when it was never called.
int EnumFontFamiliesExA(HDC dc, LOGFONTA* filter, FONTENUMPROCA callback, LPARAM param, DWORD flags);
