#pragma once
// One font of the font combo: the enumerated font record and its font type.
#include "afx/CString.h"
#include "win32/fonts/FontEnum.h"

class CFontEntry {
public:
    CFontEntry() = default;
    CFontEntry(const ENUMLOGFONTEXA& font, DWORD fontType) : m_font(font), m_fontType(fontType) {}
    virtual ~CFontEntry() = default;

    // "face (script)".
    CString GetFontName() const;
    const LOGFONTA* GetFontInfo() const { return &m_font.elfLogFont; }
    DWORD GetFontType() const { return m_fontType; }

private:
    ENUMLOGFONTEXA m_font{};
    DWORD m_fontType = 0;
};
