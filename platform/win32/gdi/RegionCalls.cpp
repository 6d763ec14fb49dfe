// Region calls and clipping.
#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiBitmap.h"
#include "win32/gdi/GdiDc.h"
#include "win32/gdi/GdiRegion.h"
#include "win32/gdi/Region.h"

#include <algorithm>

namespace {

GdiRegion* Rgn(HRGN region) { return GdiObject::From<GdiRegion>(region); }
GdiDc* Dc(HDC dc) { return GdiObject::From<GdiDc>(dc); }

int Complexity(const RegionShape& shape)
{
    return shape.IsEmpty() ? NULLREGION : shape.IsRect() ? SIMPLEREGION : COMPLEXREGION;
}

HRGN Make(RegionShape shape) { return ToHandle<HRGN>(new GdiRegion(std::move(shape))); }

RECT Ordered(int left, int top, int right, int bottom)
{
    return RECT{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

// The clip of a DC in its logical coordinates: its own clip, or everything it may draw.
RegionShape LogicalClip(const GdiDc& d)
{
    RegionShape clip = d.Clip();
    clip.Offset(-d.Current().origin.x, -d.Current().origin.y);
    return clip;
}

int SetClip(GdiDc& d, const RegionShape* logical, int mode)
{
    GdiDc::State& s = d.Current();
    if (!logical) {
        if (mode != RGN_COPY) return ERROR;
        s.hasClip = false;
        s.clip.SetEmpty();
        return Complexity(d.Clip());
    }
    RegionShape device = *logical;
    device.Offset(s.origin.x, s.origin.y);
    if (mode == RGN_COPY || !s.hasClip) {
        if (mode == RGN_COPY || mode == RGN_AND || mode == RGN_OR) s.clip = device;
        else {
            GdiBitmap* t = d.Target();
            RegionShape all(RECT{0, 0, t ? t->Width() : 0, t ? t->Height() : 0});
            s.clip = RegionShape::Combine(all, device, static_cast<RegionShape::Op>(mode));
        }
    } else {
        s.clip = RegionShape::Combine(s.clip, device, static_cast<RegionShape::Op>(mode));
    }
    s.hasClip = true;
    return Complexity(d.Clip());
}

}

HRGN CreateRectRgn(int left, int top, int right, int bottom)
{
    return Make(RegionShape(Ordered(left, top, right, bottom)));
}

HRGN CreateRectRgnIndirect(const RECT* rect)
{
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height)
{
    return Make(RegionShape::Rounded(Ordered(left, top, right, bottom), width, height));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom)
{
    RECT r = Ordered(left, top, right, bottom);
    return Make(RegionShape::Rounded(r, r.right - r.left, r.bottom - r.top));
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode)
{
    if (!points || count < 3) return nullptr;
    return Make(RegionShape::Polygon(points, count, fillMode == WINDING));
}

int CombineRgn(HRGN target, HRGN a, HRGN b, int mode)
{
    GdiRegion* t = Rgn(target);
    GdiRegion* ra = Rgn(a);
    if (!t || !ra || mode < RGN_AND || mode > RGN_COPY) return ERROR;
    if (mode == RGN_COPY) {
        t->mShape = ra->mShape;
        return Complexity(t->mShape);
    }
    GdiRegion* rb = Rgn(b);
    if (!rb) return ERROR;
    t->mShape = RegionShape::Combine(ra->mShape, rb->mShape, static_cast<RegionShape::Op>(mode));
    return Complexity(t->mShape);
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom)
{
    GdiRegion* r = Rgn(region);
    if (!r) return FALSE;
    r->mShape.SetRect(Ordered(left, top, right, bottom));
    return TRUE;
}

int OffsetRgn(HRGN region, int dx, int dy)
{
    GdiRegion* r = Rgn(region);
    if (!r) return ERROR;
    r->mShape.Offset(dx, dy);
    return Complexity(r->mShape);
}

int GetRgnBox(HRGN region, RECT* box)
{
    GdiRegion* r = Rgn(region);
    if (!r || !box) return ERROR;
    *box = r->mShape.Box();
    return Complexity(r->mShape);
}

BOOL PtInRegion(HRGN region, int x, int y)
{
    GdiRegion* r = Rgn(region);
    return r && r->mShape.Contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN region, const RECT* rect)
{
    GdiRegion* r = Rgn(region);
    return r && rect && r->mShape.Intersects(*rect) ? TRUE : FALSE;
}

BOOL EqualRgn(HRGN a, HRGN b)
{
    GdiRegion* ra = Rgn(a);
    GdiRegion* rb = Rgn(b);
    return ra && rb && ra->mShape == rb->mShape ? TRUE : FALSE;
}

BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush)
{
    GdiRegion* r = Rgn(region);
    if (!Dc(dc) || !r) return FALSE;
    for (const RECT& part : r->mShape.Rects())
        if (!FillRect(dc, &part, brush)) return FALSE;
    return TRUE;
}

BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height)
{
    GdiRegion* r = Rgn(region);
    if (!Dc(dc) || !r || width < 1 || height < 1) return FALSE;
    // The frame is the region less the region moved inwards from every side.
    RegionShape inner = r->mShape;
    for (int dx : {-width, width}) {
        RegionShape moved = r->mShape;
        moved.Offset(dx, 0);
        inner = RegionShape::Combine(inner, moved, RegionShape::Op::And);
    }
    for (int dy : {-height, height}) {
        RegionShape moved = r->mShape;
        moved.Offset(0, dy);
        inner = RegionShape::Combine(inner, moved, RegionShape::Op::And);
    }
    RegionShape frame = RegionShape::Combine(r->mShape, inner, RegionShape::Op::Diff);
    for (const RECT& part : frame.Rects())
        if (!FillRect(dc, &part, brush)) return FALSE;
    return TRUE;
}

BOOL PaintRgn(HDC dc, HRGN region)
{
    GdiDc* d = Dc(dc);
    if (!d) return FALSE;
    return FillRgn(dc, region, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
}

BOOL InvertRgn(HDC dc, HRGN region)
{
    GdiRegion* r = Rgn(region);
    if (!Dc(dc) || !r) return FALSE;
    for (const RECT& part : r->mShape.Rects())
        if (!InvertRect(dc, &part)) return FALSE;
    return TRUE;
}

int SelectClipRgn(HDC dc, HRGN region)
{
    return ExtSelectClipRgn(dc, region, RGN_COPY);
}

int ExtSelectClipRgn(HDC dc, HRGN region, int mode)
{
    GdiDc* d = Dc(dc);
    if (!d || mode < RGN_AND || mode > RGN_COPY) return ERROR;
    if (!region) return SetClip(*d, nullptr, mode);
    GdiRegion* r = Rgn(region);
    if (!r) return ERROR;
    return SetClip(*d, &r->mShape, mode);
}

int GetClipBox(HDC dc, RECT* box)
{
    GdiDc* d = Dc(dc);
    if (!d || !box) return ERROR;
    RegionShape clip = LogicalClip(*d);
    *box = clip.Box();
    return Complexity(clip);
}

int GetClipRgn(HDC dc, HRGN region)
{
    GdiDc* d = Dc(dc);
    GdiRegion* r = Rgn(region);
    if (!d || !r) return -1;
    if (!d->Current().hasClip) return 0;
    r->mShape = d->Current().clip;
    r->mShape.Offset(-d->Current().origin.x, -d->Current().origin.y);
    return 1;
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom)
{
    GdiDc* d = Dc(dc);
    if (!d) return ERROR;
    RegionShape rect(Ordered(left, top, right, bottom));
    if (!d->Current().hasClip) {
        RegionShape all = LogicalClip(*d);
        rect = RegionShape::Combine(all, rect, RegionShape::Op::And);
        return SetClip(*d, &rect, RGN_COPY);
    }
    return SetClip(*d, &rect, RGN_AND);
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom)
{
    GdiDc* d = Dc(dc);
    if (!d) return ERROR;
    RegionShape rect(Ordered(left, top, right, bottom));
    return SetClip(*d, &rect, RGN_DIFF);
}

BOOL PtVisible(HDC dc, int x, int y)
{
    GdiDc* d = Dc(dc);
    return d && LogicalClip(*d).Contains(x, y) ? TRUE : FALSE;
}

BOOL RectVisible(HDC dc, const RECT* rect)
{
    GdiDc* d = Dc(dc);
    return d && rect && LogicalClip(*d).Intersects(*rect) ? TRUE : FALSE;
}
