#pragma once
#include "win32/WinTypes.h"

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int cx_, int cy_) : SIZE{cx_, cy_} {}
    CSize(SIZE s) : SIZE(s) {}
    void SetSize(int cx_, int cy_) { cx = cx_, cy = cy_; }
    bool operator==(const SIZE& s) const { return cx == s.cx && cy == s.cy; }
    bool operator!=(const SIZE& s) const { return !(*this == s); }
    CSize operator+(const SIZE& s) const { return CSize(cx + s.cx, cy + s.cy); }
    CSize operator-(const SIZE& s) const { return CSize(cx - s.cx, cy - s.cy); }
    CSize& operator+=(const SIZE& s) { cx += s.cx, cy += s.cy; return *this; }
    CSize& operator-=(const SIZE& s) { cx -= s.cx, cy -= s.cy; return *this; }
};
