#pragma once
#include "afx/gdi/CGdiObject.h"

class CBitmap;

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    static CBrush* FromHandle(HBRUSH brush);
    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreatePatternBrush(CBitmap* bitmap);
    BOOL CreateSysColorBrush(int index);
};
