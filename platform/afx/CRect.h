#pragma once
#include "afx/CPoint.h"
#include "afx/CSize.h"

// A rectangle; right and bottom lie outside it, as everywhere in the window system.
class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& r) : RECT(r) {}
    CRect(const RECT* r) : RECT(r ? *r : RECT{0, 0, 0, 0}) {}
    CRect(POINT topLeft, SIZE size) : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    CRect(POINT topLeft, POINT bottomRight) : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    void SetRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(LPCRECT r) { if (r) *static_cast<RECT*>(this) = *r; }
    bool EqualRect(LPCRECT r) const;
    void InflateRect(int dx, int dy) { left -= dx, top -= dy, right += dx, bottom += dy; }
    void InflateRect(int l, int t, int r, int b) { left -= l, top -= t, right += r, bottom += b; }
    void InflateRect(SIZE s) { InflateRect(s.cx, s.cy); }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void DeflateRect(SIZE s) { InflateRect(-s.cx, -s.cy); }
    void OffsetRect(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
    void OffsetRect(POINT p) { OffsetRect(p.x, p.y); }
    void OffsetRect(SIZE s) { OffsetRect(s.cx, s.cy); }
    void MoveToX(int x) { right += x - left, left = x; }
    void MoveToY(int y) { bottom += y - top, top = y; }
    void MoveToXY(int x, int y) { MoveToX(x), MoveToY(y); }
    void NormalizeRect();
    // False (and an empty rectangle) when they do not overlap.
    bool IntersectRect(LPCRECT a, LPCRECT b);
    // The bounding rectangle; an empty operand does not count.
    bool UnionRect(LPCRECT a, LPCRECT b);

    bool operator==(const RECT& r) const { return EqualRect(&r); }
    bool operator!=(const RECT& r) const { return !EqualRect(&r); }
    CRect& operator+=(POINT p) { OffsetRect(p); return *this; }
    CRect& operator-=(POINT p) { OffsetRect(-p.x, -p.y); return *this; }
    CRect operator+(POINT p) const { CRect r(*this); r.OffsetRect(p); return r; }
    CRect operator-(POINT p) const { CRect r(*this); r.OffsetRect(-p.x, -p.y); return r; }
    CRect operator&(const RECT& o) const { CRect r; r.IntersectRect(this, &o); return r; }
    CRect operator|(const RECT& o) const { CRect r; r.UnionRect(this, &o); return r; }
};
