// Lines, shapes and the USER drawing calls (fills, frames, focus rectangles, 3D edges).
#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiBitmap.h"
#include "win32/gdi/GdiBlit.h"
#include "win32/gdi/GdiBrush.h"
#include "win32/gdi/GdiDc.h"
#include "win32/gdi/GdiPainter.h"
#include "win32/gdi/GdiPen.h"
#include "win32/gdi/GdiStock.h"
#include "win32/gdi/Rect.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

GdiDc* Dc(HDC dc) { return GdiObject::From<GdiDc>(dc); }

// A brush handle, or a system colour index + 1 as the platform allows for FillRect.
GdiBrush* BrushOf(HBRUSH brush)
{
    auto value = reinterpret_cast<uintptr_t>(brush);
    if (value > 0 && value <= 31) return GdiStock::Instance().SysColorBrush(static_cast<int>(value) - 1);
    return GdiObject::From<GdiBrush>(brush);
}

uint32_t PenColor(const GdiDc& dc)
{
    const GdiPen* pen = dc.Current().pen;
    return GdiPainter::FromColorRef(pen && pen->UsesDcColor() ? dc.Current().dcPenColor : pen ? pen->Color() : 0);
}

bool HasPen(const GdiDc& dc) { return dc.Current().pen && dc.Current().pen->Style() != PS_NULL; }

// Fills an area (device coordinates) with a brush through the DC's binary raster operation.
void PaintShape(GdiDc& dc, const RegionShape& shape, const GdiBrush* brush, int rop2)
{
    if (!brush || brush->GetStyle() == GdiBrush::Style::Null || shape.IsEmpty()) return;
    GdiPainter painter(dc, shape.Box());
    if (!painter.Ok()) return;
    for (const RECT& r : shape.Rects())
        painter.Fill(r, [&](int x, int y, uint32_t d) {
            uint32_t p = 0;
            GdiBrushAt(dc, brush, x, y, p);
            return rop2 == R2_COPYPEN ? p : GdiPainter::Rop2(rop2, p, d);
        });
}

void PaintWithPen(GdiDc& dc, const RegionShape& shape)
{
    GdiBrush pen(GdiBrush::Style::Solid, GdiPainter::ToColorRef(PenColor(dc)));
    PaintShape(dc, shape, &pen, dc.Current().rop2);
}

// A line from a to b in device coordinates, without its last point.
void DrawLine(GdiDc& dc, POINT a, POINT b)
{
    if (!HasPen(dc)) return;
    const GdiPen& pen = *dc.Current().pen;
    int width = pen.Width();
    int half = width / 2;
    RECT bounds{std::min(a.x, b.x) - half, std::min(a.y, b.y) - half, std::max(a.x, b.x) + width,
                std::max(a.y, b.y) + width};
    GdiPainter painter(dc, bounds);
    if (!painter.Ok()) return;
    uint32_t color = PenColor(dc);
    int rop2 = dc.Current().rop2;
    int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    int stepX = a.x < b.x ? 1 : -1, stepY = a.y < b.y ? 1 : -1;
    int error = dx + dy, index = 0;
    int x = a.x, y = a.y;
    while (x != b.x || y != b.y) {
        bool on = pen.Style() == PS_DOT ? index % 2 == 0 : pen.Style() == PS_DASH ? index % 9 < 6 : true;
        if (on) {
            for (int oy = 0; oy < width; ++oy)
                for (int ox = 0; ox < width; ++ox) painter.Plot(x - half + ox, y - half + oy, color, rop2);
        }
        ++index;
        int e2 = 2 * error;
        if (e2 >= dy) error += dy, x += stepX;
        if (e2 <= dx) error += dx, y += stepY;
    }
}

// Outline and inside of a shape bounded by the rectangle (logical coordinates).
BOOL DrawShape(HDC dc, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    GdiDc* d = Dc(dc);
    if (!d) return FALSE;
    RECT r = d->ToDevice(RECT{std::min(left, right), std::min(top, bottom), std::max(left, right),
                              std::max(top, bottom)});
    // Without a pen the shape loses its right and bottom pixel.
    if (!HasPen(*d)) r.right -= 1, r.bottom -= 1;
    RegionShape outer = RegionShape::Rounded(r, cornerWidth, cornerHeight);
    if (!HasPen(*d)) {
        PaintShape(*d, outer, d->Current().brush, d->Current().rop2);
        return TRUE;
    }
    int width = d->Current().pen->Width();
    RECT in{r.left + width, r.top + width, r.right - width, r.bottom - width};
    RegionShape inner = RegionShape::Rounded(in, std::max(0, cornerWidth - 2 * width),
                                             std::max(0, cornerHeight - 2 * width));
    PaintShape(*d, inner, d->Current().brush, d->Current().rop2);
    PaintWithPen(*d, RegionShape::Combine(outer, inner, RegionShape::Op::Diff));
    return TRUE;
}

void FillDevice(GdiDc& d, const RECT& r, COLORREF color)
{
    GdiBrush brush(GdiBrush::Style::Solid, color);
    PaintShape(d, RegionShape(r), &brush, R2_COPYPEN);
}

}

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous)
{
    GdiDc* d = Dc(dc);
    if (!d) return FALSE;
    if (previous) *previous = d->Current().position;
    d->Current().position = POINT{x, y};
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC dc, POINT* position)
{
    GdiDc* d = Dc(dc);
    if (!d || !position) return FALSE;
    *position = d->Current().position;
    return TRUE;
}

BOOL LineTo(HDC dc, int x, int y)
{
    GdiDc* d = Dc(dc);
    if (!d) return FALSE;
    POINT from = d->Current().position;
    DrawLine(*d, d->ToDevice(from.x, from.y), d->ToDevice(x, y));
    d->Current().position = POINT{x, y};
    return TRUE;
}

BOOL Polyline(HDC dc, const POINT* points, int count)
{
    GdiDc* d = Dc(dc);
    if (!d || !points || count < 2) return FALSE;
    for (int i = 0; i + 1 < count; ++i)
        DrawLine(*d, d->ToDevice(points[i].x, points[i].y), d->ToDevice(points[i + 1].x, points[i + 1].y));
    return TRUE;
}

BOOL Polygon(HDC dc, const POINT* points, int count)
{
    GdiDc* d = Dc(dc);
    if (!d || !points || count < 2) return FALSE;
    std::vector<POINT> device;
    for (int i = 0; i < count; ++i) device.push_back(d->ToDevice(points[i].x, points[i].y));
    RegionShape inside = RegionShape::Polygon(device.data(), count, d->Current().polyFillMode == WINDING);
    PaintShape(*d, inside, d->Current().brush, d->Current().rop2);
    for (int i = 0; i < count; ++i) DrawLine(*d, device[static_cast<size_t>(i)], device[static_cast<size_t>((i + 1) % count)]);
    return TRUE;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom)
{
    return DrawShape(dc, left, top, right, bottom, 0, 0);
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height)
{
    return DrawShape(dc, left, top, right, bottom, width, height);
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom)
{
    return DrawShape(dc, left, top, right, bottom, std::abs(right - left), std::abs(bottom - top));
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush)
{
    GdiDc* d = Dc(dc);
    GdiBrush* b = BrushOf(brush);
    if (!d || !rect || !b) return 0;
    if (IsRectEmpty(rect)) return 1;
    PaintShape(*d, RegionShape(d->ToDevice(*rect)), b, R2_COPYPEN);
    return 1;
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush)
{
    GdiDc* d = Dc(dc);
    GdiBrush* b = BrushOf(brush);
    if (!d || !rect || !b) return 0;
    if (IsRectEmpty(rect)) return 1;
    RECT r = d->ToDevice(*rect);
    RECT in{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    PaintShape(*d, RegionShape::Combine(RegionShape(r), RegionShape(in), RegionShape::Op::Diff), b, R2_COPYPEN);
    return 1;
}

BOOL InvertRect(HDC dc, const RECT* rect)
{
    GdiDc* d = Dc(dc);
    if (!d || !rect) return FALSE;
    return PatBlt(dc, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, DSTINVERT);
}

BOOL DrawFocusRect(HDC dc, const RECT* rect)
{
    GdiDc* d = Dc(dc);
    if (!d || !rect) return FALSE;
    if (IsRectEmpty(rect)) return TRUE;
    RECT r = d->ToDevice(*rect);
    RECT in{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    RegionShape frame = RegionShape::Combine(RegionShape(r), RegionShape(in), RegionShape::Op::Diff);
    // Every other pixel of the frame inverted, so a second call restores it.
    GdiPainter painter(*d, r);
    if (!painter.Ok()) return FALSE;
    for (const RECT& part : frame.Rects())
        painter.Fill(part, [](int x, int y, uint32_t dst) { return (x + y) % 2 == 0 ? dst ^ 0xFFFFFF : dst; });
    return TRUE;
}

BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags)
{
    GdiDc* d = Dc(dc);
    if (!d || !rect) return FALSE;
    RECT r = *rect;
    // Outer border first, then the inner one, each with its top-left and bottom-right colours.
    struct Border { UINT raised, sunken; int raisedLight, raisedDark, sunkenLight, sunkenDark; };
    const Border borders[] = {
        {BDR_RAISEDOUTER, BDR_SUNKENOUTER, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT},
        {BDR_RAISEDINNER, BDR_SUNKENINNER, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT}};
    for (const Border& b : borders) {
        bool raised = edge & b.raised, sunken = edge & b.sunken;
        if (!raised && !sunken) continue;
        COLORREF topLeft = GetSysColor(raised ? b.raisedLight : b.sunkenLight);
        COLORREF bottomRight = GetSysColor(raised ? b.raisedDark : b.sunkenDark);
        if (flags & BF_FLAT) topLeft = bottomRight = GetSysColor(COLOR_BTNSHADOW);
        RECT dr = d->ToDevice(r);
        if (flags & BF_LEFT) FillDevice(*d, RECT{dr.left, dr.top, dr.left + 1, dr.bottom}, topLeft);
        if (flags & BF_TOP) FillDevice(*d, RECT{dr.left, dr.top, dr.right, dr.top + 1}, topLeft);
        if (flags & BF_RIGHT) FillDevice(*d, RECT{dr.right - 1, dr.top, dr.right, dr.bottom}, bottomRight);
        if (flags & BF_BOTTOM) FillDevice(*d, RECT{dr.left, dr.bottom - 1, dr.right, dr.bottom}, bottomRight);
        if (flags & BF_LEFT) r.left++;
        if (flags & BF_TOP) r.top++;
        if (flags & BF_RIGHT) r.right--;
        if (flags & BF_BOTTOM) r.bottom--;
    }
    if ((flags & BF_MIDDLE) && !IsRectEmpty(&r)) FillDevice(*d, d->ToDevice(r), GetSysColor(COLOR_BTNFACE));
    if (flags & BF_ADJUST) *rect = r;
    return TRUE;
}
