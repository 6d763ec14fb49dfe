#include "afx/gdi/CRgn.h"

#include "afx/gdi/GdiObjectMaps.h"
#include "win32/gdi/Region.h"

CRgn* CRgn::FromHandle(HRGN region) { return FromHandleAs<CRgn>(region); }
BOOL CRgn::CreateRectRgn(int l, int t, int r, int b) { return Attach(::CreateRectRgn(l, t, r, b)); }
BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect) { return Attach(::CreateRectRgnIndirect(rect)); }
BOOL CRgn::CreateEllipticRgn(int l, int t, int r, int b) { return Attach(::CreateEllipticRgn(l, t, r, b)); }

BOOL CRgn::CreateRoundRectRgn(int l, int t, int r, int b, int width, int height)
{
    return Attach(::CreateRoundRectRgn(l, t, r, b, width, height));
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode)
{
    return Attach(::CreatePolygonRgn(points, count, fillMode));
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode)
{
    return ::CombineRgn(*this, a ? HRGN(*a) : nullptr, b ? HRGN(*b) : nullptr, mode);
}

int CRgn::CopyRgn(const CRgn* source) { return CombineRgn(source, nullptr, RGN_COPY); }
void CRgn::SetRectRgn(int l, int t, int r, int b) { ::SetRectRgn(*this, l, t, r, b); }
void CRgn::SetRectRgn(LPCRECT rect) { if (rect) SetRectRgn(rect->left, rect->top, rect->right, rect->bottom); }
int CRgn::OffsetRgn(int dx, int dy) { return ::OffsetRgn(*this, dx, dy); }
int CRgn::OffsetRgn(POINT point) { return OffsetRgn(point.x, point.y); }
BOOL CRgn::PtInRegion(int x, int y) const { return ::PtInRegion(*this, x, y); }
BOOL CRgn::PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
BOOL CRgn::RectInRegion(LPCRECT rect) const { return ::RectInRegion(*this, rect); }
int CRgn::GetRgnBox(LPRECT rect) const { return ::GetRgnBox(*this, rect); }
BOOL CRgn::EqualRgn(const CRgn* other) const { return other && ::EqualRgn(*this, *other); }
