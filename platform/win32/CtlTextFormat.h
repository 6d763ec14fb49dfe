#pragma once
// The character and paragraph formats the text model keeps for every character and paragraph.
#include "win32/WinTypes.h"

#include <string>
#include <vector>

struct CtlCharFormat {
    DWORD effects = 0x40000000; // CFE_AUTOCOLOR
    LONG height = 200;          // twips
    LONG offset = 0;
    COLORREF color = 0;
    BYTE charSet = 0;
    BYTE pitchAndFamily = 0;
    std::string face = "Arial";
    bool operator==(const CtlCharFormat&) const = default;
};

struct CtlParaFormat {
    WORD alignment = 1; // PFA_LEFT
    LONG startIndent = 0;
    LONG rightIndent = 0;
    LONG offset = 0;
    bool operator==(const CtlParaFormat&) const = default;
};

// A piece of formatted text: the text (paragraphs end with '\r'), a format per character
// and a paragraph format per paragraph (one per '\r' plus one for the text after the last).
struct CtlRichText {
    std::u16string text;
    std::vector<CtlCharFormat> charFormats;
    std::vector<CtlParaFormat> paraFormats;
};
