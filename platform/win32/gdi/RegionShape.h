#pragma once
// Internal: an area of pixels as horizontal bands of sorted, disjoint spans; the value
// behind region handles and device-context clips.
#include "win32/WinTypes.h"

#include <vector>

class RegionShape {
public:
    enum class Op { And = 1, Or = 2, Xor = 3, Diff = 4 };
    struct Span { LONG left, right; };
    struct Band {
        LONG top, bottom;
        std::vector<Span> spans;
    };

    RegionShape() = default;
    explicit RegionShape(const RECT& rect) { SetRect(rect); }

    void SetRect(const RECT& rect);
    void SetEmpty() { mBands.clear(); }
    // Appends one row of spans below everything present (rows must come in order).
    void AddRow(LONG y, const std::vector<Span>& spans);

    // A rectangle with elliptic corners of the given diameters (an ellipse when they span it).
    static RegionShape Rounded(const RECT& rect, int cornerWidth, int cornerHeight);
    // The inside of a polygon: pixels whose centres lie inside, by the even-odd or winding rule.
    static RegionShape Polygon(const POINT* points, int count, bool winding);
    static RegionShape Combine(const RegionShape& a, const RegionShape& b, Op op);
    void Offset(LONG dx, LONG dy);

    bool IsEmpty() const { return mBands.empty(); }
    bool IsRect() const { return mBands.size() == 1 && mBands[0].spans.size() == 1; }
    bool Contains(LONG x, LONG y) const;
    bool Intersects(const RECT& rect) const;
    RECT Box() const;
    // The rectangles of the area clipped to the given bounds, top to bottom.
    std::vector<RECT> Rects(const RECT& bounds) const;
    std::vector<RECT> Rects() const;
    bool operator==(const RegionShape& other) const;

private:
    void AppendBand(LONG top, LONG bottom, std::vector<Span>&& spans);
    std::vector<Band> mBands;
};
