#pragma once
#include "afx/gdi/CGdiObject.h"
#include "win32/fonts/Font.h"

class CDC;

class CFont : public CGdiObject {
public:
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    static CFont* FromHandle(HFONT font);
    BOOL CreateFontIndirect(const LOGFONTA* font);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                    BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                    BYTE pitchAndFamily, LPCTSTR faceName);
    // pointSize in tenths of a point, at the DC's (or the screen's) resolution.
    BOOL CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc = nullptr);
    int GetLogFont(LOGFONTA* font) const;
};
