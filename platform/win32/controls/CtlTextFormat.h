#pragma once
// The character and paragraph formats the text model keeps for every character and paragraph.
#include "win32/WinTypes.h"

#include <cstdint>
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
// (an index into the piece's table of formats) and a paragraph format per paragraph (one per
// '\r' plus one for the text after the last).
struct CtlRichText {
    std::u16string text;
    std::vector<CtlCharFormat> formats;
    std::vector<uint32_t> charFormat;
    std::vector<CtlParaFormat> paraFormats;

    const CtlCharFormat& FormatOf(size_t index) const { return formats[charFormat[index]]; }
    // Adds a character; runs of one format share one table entry.
    void Append(char16_t c, const CtlCharFormat& format)
    {
        text += c;
        if (charFormat.empty() || !(formats[charFormat.back()] == format)) {
            size_t i = 0;
            while (i < formats.size() && !(formats[i] == format)) ++i;
            if (i == formats.size()) formats.push_back(format);
            charFormat.push_back(static_cast<uint32_t>(i));
        } else {
            charFormat.push_back(charFormat.back());
        }
    }
    void PopBack()
    {
        text.pop_back();
        charFormat.pop_back();
    }
};
