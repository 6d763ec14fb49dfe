#pragma once
// The stored text style of the editor, in registry section "Text"; every value is written at
// once and read afresh each time.
#include "afx/CString.h"
#include "win32/WinTypes.h"

class CTextSetting {
public:
    CTextSetting() = default;
    virtual ~CTextSetting() = default;

    void SetFontName(const char* name);
    void SetCharSet(BYTE charSet);
    void SetFontSize(int points);
    void SetBold(bool on);
    void SetItalic(bool on);
    void SetUnderline(bool on);
    void SetAlignment(WORD alignment);

    CString GetFontName() const;
    BYTE GetCharSet() const;
    int GetFontSize() const;
    bool GetBold() const;
    bool GetItalic() const;
    bool GetUnderline() const;
    WORD GetAlignment() const;
};
