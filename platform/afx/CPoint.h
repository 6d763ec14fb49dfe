#pragma once
#include "win32/WinTypes.h"

class CSize;

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x_, int y_) : POINT{x_, y_} {}
    CPoint(POINT p) : POINT(p) {}
    explicit CPoint(LPARAM packed) : POINT{static_cast<SHORT>(LOWORD(packed)), static_cast<SHORT>(HIWORD(packed))} {}
    void Offset(int dx, int dy) { x += dx, y += dy; }
    void SetPoint(int x_, int y_) { x = x_, y = y_; }
    bool operator==(const POINT& p) const { return x == p.x && y == p.y; }
    bool operator!=(const POINT& p) const { return !(*this == p); }
    CPoint operator+(const POINT& p) const { return CPoint(x + p.x, y + p.y); }
    CPoint operator-(const POINT& p) const { return CPoint(x - p.x, y - p.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
    CPoint& operator+=(const POINT& p) { x += p.x, y += p.y; return *this; }
    CPoint& operator-=(const POINT& p) { x -= p.x, y -= p.y; return *this; }
};
