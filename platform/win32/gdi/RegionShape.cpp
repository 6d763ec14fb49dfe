#include "win32/gdi/RegionShape.h"

#include <algorithm>
#include <cstdint>
#include <cmath>

namespace {

using Span = RegionShape::Span;

bool Keep(RegionShape::Op op, bool a, bool b)
{
    switch (op) {
    case RegionShape::Op::And: return a && b;
    case RegionShape::Op::Or: return a || b;
    case RegionShape::Op::Xor: return a != b;
    case RegionShape::Op::Diff: return a && !b;
    }
    return false;
}

bool Covers(const std::vector<Span>& spans, LONG x)
{
    auto it = std::upper_bound(spans.begin(), spans.end(), x, [](LONG v, const Span& s) { return v < s.right; });
    return it != spans.end() && it->left <= x;
}

std::vector<Span> CombineSpans(const std::vector<Span>& a, const std::vector<Span>& b, RegionShape::Op op)
{
    std::vector<LONG> xs;
    xs.reserve((a.size() + b.size()) * 2);
    for (const auto& s : a) xs.push_back(s.left), xs.push_back(s.right);
    for (const auto& s : b) xs.push_back(s.left), xs.push_back(s.right);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::vector<Span> out;
    size_t ia = 0, ib = 0;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        LONG x = xs[i];
        while (ia < a.size() && a[ia].right <= x) ++ia;
        while (ib < b.size() && b[ib].right <= x) ++ib;
        bool inA = ia < a.size() && a[ia].left <= x;
        bool inB = ib < b.size() && b[ib].left <= x;
        if (!Keep(op, inA, inB)) continue;
        if (!out.empty() && out.back().right == x) out.back().right = xs[i + 1];
        else out.push_back(Span{x, xs[i + 1]});
    }
    return out;
}

bool SameSpans(const std::vector<Span>& a, const std::vector<Span>& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].left != b[i].left || a[i].right != b[i].right) return false;
    return true;
}

}

void RegionShape::SetRect(const RECT& rect)
{
    mBands.clear();
    if (rect.left >= rect.right || rect.top >= rect.bottom) return;
    mBands.push_back(Band{rect.top, rect.bottom, {Span{rect.left, rect.right}}});
}

void RegionShape::AppendBand(LONG top, LONG bottom, std::vector<Span>&& spans)
{
    if (spans.empty() || top >= bottom) return;
    if (!mBands.empty() && mBands.back().bottom == top && SameSpans(mBands.back().spans, spans)) {
        mBands.back().bottom = bottom;
        return;
    }
    mBands.push_back(Band{top, bottom, std::move(spans)});
}

void RegionShape::AddRow(LONG y, const std::vector<Span>& spans)
{
    if (!mBands.empty() && y < mBands.back().bottom) return;
    std::vector<Span> clean;
    for (const auto& s : spans)
        if (s.left < s.right) clean.push_back(s);
    std::sort(clean.begin(), clean.end(), [](const Span& p, const Span& q) { return p.left < q.left; });
    clean = CombineSpans(clean, {}, Op::Or);
    AppendBand(y, y + 1, std::move(clean));
}

RegionShape RegionShape::Combine(const RegionShape& a, const RegionShape& b, Op op)
{
    std::vector<LONG> ys;
    ys.reserve((a.mBands.size() + b.mBands.size()) * 2);
    for (const auto& band : a.mBands) ys.push_back(band.top), ys.push_back(band.bottom);
    for (const auto& band : b.mBands) ys.push_back(band.top), ys.push_back(band.bottom);
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    RegionShape out;
    static const std::vector<Span> kNone;
    size_t ia = 0, ib = 0;
    for (size_t i = 0; i + 1 < ys.size(); ++i) {
        LONG y = ys[i];
        while (ia < a.mBands.size() && a.mBands[ia].bottom <= y) ++ia;
        while (ib < b.mBands.size() && b.mBands[ib].bottom <= y) ++ib;
        const auto& sa = ia < a.mBands.size() && a.mBands[ia].top <= y ? a.mBands[ia].spans : kNone;
        const auto& sb = ib < b.mBands.size() && b.mBands[ib].top <= y ? b.mBands[ib].spans : kNone;
        out.AppendBand(y, ys[i + 1], CombineSpans(sa, sb, op));
    }
    return out;
}

void RegionShape::Offset(LONG dx, LONG dy)
{
    for (auto& band : mBands) {
        band.top += dy;
        band.bottom += dy;
        for (auto& s : band.spans) s.left += dx, s.right += dx;
    }
}

bool RegionShape::Contains(LONG x, LONG y) const
{
    auto it = std::upper_bound(mBands.begin(), mBands.end(), y, [](LONG v, const Band& b) { return v < b.bottom; });
    return it != mBands.end() && it->top <= y && Covers(it->spans, x);
}

bool RegionShape::Intersects(const RECT& rect) const
{
    return !Rects(rect).empty();
}

RECT RegionShape::Box() const
{
    if (mBands.empty()) return RECT{0, 0, 0, 0};
    RECT box{INT32_MAX, mBands.front().top, INT32_MIN, mBands.back().bottom};
    for (const auto& band : mBands) {
        box.left = std::min(box.left, band.spans.front().left);
        box.right = std::max(box.right, band.spans.back().right);
    }
    return box;
}

std::vector<RECT> RegionShape::Rects(const RECT& bounds) const
{
    std::vector<RECT> out;
    for (const auto& band : mBands) {
        LONG top = std::max(band.top, bounds.top), bottom = std::min(band.bottom, bounds.bottom);
        if (top >= bottom) continue;
        for (const auto& s : band.spans) {
            LONG left = std::max(s.left, bounds.left), right = std::min(s.right, bounds.right);
            if (left < right) out.push_back(RECT{left, top, right, bottom});
        }
    }
    return out;
}

std::vector<RECT> RegionShape::Rects() const
{
    return Rects(RECT{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
}

bool RegionShape::operator==(const RegionShape& other) const
{
    if (mBands.size() != other.mBands.size()) return false;
    for (size_t i = 0; i < mBands.size(); ++i) {
        const auto& p = mBands[i];
        const auto& q = other.mBands[i];
        if (p.top != q.top || p.bottom != q.bottom || !SameSpans(p.spans, q.spans)) return false;
    }
    return true;
}

RegionShape RegionShape::Rounded(const RECT& rect, int cornerWidth, int cornerHeight)
{
    RegionShape out;
    LONG width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return out;
    double rx = std::min<double>(std::abs(cornerWidth), width) / 2.0;
    double ry = std::min<double>(std::abs(cornerHeight), height) / 2.0;
    for (LONG y = rect.top; y < rect.bottom; ++y) {
        double yc = y + 0.5, dy = 0;
        if (yc < rect.top + ry) dy = rect.top + ry - yc;
        else if (yc > rect.bottom - ry) dy = yc - (rect.bottom - ry);
        double inset = 0;
        if (dy > 0 && ry > 0) inset = rx - rx * std::sqrt(std::max(0.0, 1.0 - (dy / ry) * (dy / ry)));
        LONG in = static_cast<LONG>(std::lround(inset));
        out.AddRow(y, {Span{rect.left + in, rect.right - in}});
    }
    return out;
}

RegionShape RegionShape::Polygon(const POINT* points, int count, bool winding)
{
    RegionShape out;
    if (!points || count < 3) return out;
    LONG top = INT32_MAX, bottom = INT32_MIN;
    for (int i = 0; i < count; ++i) top = std::min(top, points[i].y), bottom = std::max(bottom, points[i].y);
    struct Cross { double x; int dir; };
    std::vector<Cross> crossings;
    for (LONG y = top; y < bottom; ++y) {
        double yc = y + 0.5;
        crossings.clear();
        for (int i = 0; i < count; ++i) {
            const POINT& a = points[i];
            const POINT& b = points[(i + 1) % count];
            if (a.y == b.y) continue;
            bool down = a.y < b.y;
            double y0 = down ? a.y : b.y, y1 = down ? b.y : a.y;
            if (yc < y0 || yc >= y1) continue;
            double t = (yc - a.y) / double(b.y - a.y);
            crossings.push_back(Cross{a.x + t * (b.x - a.x), down ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(), [](const Cross& p, const Cross& q) { return p.x < q.x; });
        std::vector<Span> spans;
        int wind = 0;
        for (size_t k = 0; k + 1 < crossings.size(); ++k) {
            wind += winding ? crossings[k].dir : 1;
            bool inside = winding ? wind != 0 : (wind % 2) != 0;
            if (!inside) continue;
            LONG left = static_cast<LONG>(std::ceil(crossings[k].x - 0.5));
            LONG right = static_cast<LONG>(std::ceil(crossings[k + 1].x - 0.5));
            if (left < right) spans.push_back(Span{left, right});
        }
        out.AddRow(y, spans);
    }
    return out;
}
