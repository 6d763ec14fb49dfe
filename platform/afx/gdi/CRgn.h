#pragma once
#include "afx/gdi/CGdiObject.h"

class CRgn : public CGdiObject {
public:
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
    static CRgn* FromHandle(HRGN region);
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRectRgnIndirect(LPCRECT rect);
    BOOL CreateEllipticRgn(int left, int top, int right, int bottom);
    BOOL CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height);
    BOOL CreatePolygonRgn(const POINT* points, int count, int fillMode);
    int CombineRgn(const CRgn* a, const CRgn* b, int mode);
    int CopyRgn(const CRgn* source);
    void SetRectRgn(int left, int top, int right, int bottom);
    void SetRectRgn(LPCRECT rect);
    int OffsetRgn(int dx, int dy);
    int OffsetRgn(POINT point);
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT point) const;
    BOOL RectInRegion(LPCRECT rect) const;
    int GetRgnBox(LPRECT rect) const;
    BOOL EqualRgn(const CRgn* other) const;
};
