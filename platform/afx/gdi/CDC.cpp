#include "afx/gdi/CDC.h"

#include "afx/gdi/CBitmap.h"
#include "afx/gdi/CBrush.h"
#include "afx/gdi/CFont.h"
#include "afx/gdi/CPen.h"
#include "afx/gdi/CRgn.h"
#include "afx/CString.h"
#include "afx/windows/CWnd.h"
#include "afx/HandleMap.h"
#include "win32/fonts/Font.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"
#include "win32/gdi/Paint.h"
#include "win32/gdi/Region.h"

namespace {
MvHandleMap<CDC, HDC>& Dcs()
{
    static auto* map = new MvHandleMap<CDC, HDC>;
    return *map;
}

HGDIOBJ HandleOf(const CGdiObject* object) { return object ? object->m_hObject : nullptr; }
} // namespace

void MvDeleteTempDcs() { Dcs().DeleteTemporary(); }

CDC::~CDC()
{
    if (!m_temporary) DeleteDC();
}

CDC* CDC::FromHandle(HDC dc) { return Dcs().FromHandle(dc); }
CWnd* CDC::GetWindow() const { return CWnd::FromHandle(::WindowFromDC(m_hDC)); }

BOOL CDC::Attach(HDC dc)
{
    if (!dc || m_hDC) return FALSE;
    m_hDC = m_hAttribDC = dc;
    m_temporary = false;
    Dcs().Attach(dc, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    if (dc && !m_temporary) Dcs().Detach(dc);
    m_hDC = m_hAttribDC = nullptr;
    return dc;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) { return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr)); }

BOOL CDC::CreateDC(LPCTSTR driver, LPCTSTR device, LPCTSTR output, const void* init)
{
    return Attach(::CreateDCA(driver, device, output, init));
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC) return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC() { return ::SaveDC(m_hDC); }
BOOL CDC::RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }
int CDC::GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

CGdiObject* CDC::SelectStockObject(int index)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(index)));
}

CPen* CDC::SelectObject(CPen* pen) { return CPen::FromHandle(static_cast<HPEN>(SelectObject(HandleOf(pen)))); }
CBrush* CDC::SelectObject(CBrush* brush)
{
    return CBrush::FromHandle(static_cast<HBRUSH>(SelectObject(HandleOf(brush))));
}
CFont* CDC::SelectObject(CFont* font) { return CFont::FromHandle(static_cast<HFONT>(SelectObject(HandleOf(font)))); }
CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(SelectObject(HandleOf(bitmap))));
}
CGdiObject* CDC::SelectObject(CGdiObject* object) { return CGdiObject::FromHandle(SelectObject(HandleOf(object))); }
int CDC::SelectObject(CRgn* region) { return SelectClipRgn(region); }
HGDIOBJ CDC::SelectObject(HGDIOBJ object) { return object ? ::SelectObject(m_hDC, object) : nullptr; }

CPen* CDC::GetCurrentPen() const { return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN))); }
CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}
CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}
CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

COLORREF CDC::SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hDC); }
COLORREF CDC::SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hDC); }
int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hDC); }
int CDC::SetROP2(int mode) { return ::SetROP2(m_hDC, mode); }
int CDC::SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }
UINT CDC::SetTextAlign(UINT align) { return ::SetTextAlign(m_hDC, align); }

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT old{0, 0};
    ::SetViewportOrgEx(m_hDC, x, y, &old);
    return CPoint(old);
}
CPoint CDC::SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
CPoint CDC::GetViewportOrg() const
{
    POINT origin{0, 0};
    ::GetViewportOrgEx(m_hDC, &origin);
    return CPoint(origin);
}
CPoint CDC::OffsetViewportOrg(int dx, int dy)
{
    POINT old{0, 0};
    ::OffsetViewportOrgEx(m_hDC, dx, dy, &old);
    return CPoint(old);
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT old{0, 0};
    ::MoveToEx(m_hDC, x, y, &old);
    return CPoint(old);
}
CPoint CDC::MoveTo(POINT point) { return MoveTo(point.x, point.y); }
BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
BOOL CDC::LineTo(POINT point) { return LineTo(point.x, point.y); }
BOOL CDC::Polyline(const POINT* points, int count) { return ::Polyline(m_hDC, points, count); }
BOOL CDC::Polygon(const POINT* points, int count) { return ::Polygon(m_hDC, points, count); }
BOOL CDC::Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b); }
BOOL CDC::Rectangle(LPCRECT rect) { return rect && Rectangle(rect->left, rect->top, rect->right, rect->bottom); }
BOOL CDC::RoundRect(int l, int t, int r, int b, int w, int h) { return ::RoundRect(m_hDC, l, t, r, b, w, h); }
BOOL CDC::Ellipse(int l, int t, int r, int b) { return ::Ellipse(m_hDC, l, t, r, b); }
BOOL CDC::Ellipse(LPCRECT rect) { return rect && Ellipse(rect->left, rect->top, rect->right, rect->bottom); }

void CDC::FillRect(LPCRECT rect, CBrush* brush) { ::FillRect(m_hDC, rect, static_cast<HBRUSH>(HandleOf(brush))); }

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    RECT r{x, y, x + cx, y + cy};
    FillSolidRect(&r, color);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush) { ::FrameRect(m_hDC, rect, static_cast<HBRUSH>(HandleOf(brush))); }
void CDC::InvertRect(LPCRECT rect) { ::InvertRect(m_hDC, rect); }
void CDC::DrawFocusRect(LPCRECT rect) { ::DrawFocusRect(m_hDC, rect); }

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight)
{
    if (rect)
        Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

BOOL CDC::DrawEdge(LPRECT rect, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, rect, edge, flags); }
BOOL CDC::FillRgn(CRgn* region, CBrush* brush)
{
    return region && ::FillRgn(m_hDC, *region, static_cast<HBRUSH>(HandleOf(brush)));
}
BOOL CDC::FrameRgn(CRgn* region, CBrush* brush, int width, int height)
{
    return region && ::FrameRgn(m_hDC, *region, static_cast<HBRUSH>(HandleOf(brush)), width, height);
}
BOOL CDC::PaintRgn(CRgn* region) { return region && ::PaintRgn(m_hDC, *region); }
BOOL CDC::InvertRgn(CRgn* region) { return region && ::InvertRgn(m_hDC, *region); }
BOOL CDC::DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
BOOL CDC::DrawIcon(POINT point, HICON icon) { return DrawIcon(point.x, point.y, icon); }

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, int sourceWidth,
                     int sourceHeight, DWORD rop)
{
    return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY, sourceWidth,
                        sourceHeight, rop);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) { return ::PatBlt(m_hDC, x, y, width, height, rop); }
COLORREF CDC::SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int count) { return ::TextOutA(m_hDC, x, y, text, count); }
BOOL CDC::TextOut(int x, int y, const CString& text) { return TextOut(x, y, text, text.GetLength()); }
BOOL CDC::ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCTSTR text, UINT count, const INT* dx)
{
    return ::ExtTextOutA(m_hDC, x, y, options, rect, text, count, dx);
}
int CDC::DrawText(LPCTSTR text, int count, LPRECT rect, UINT format)
{
    return ::DrawTextA(m_hDC, text, count, rect, format);
}
int CDC::DrawText(const CString& text, LPRECT rect, UINT format)
{
    return DrawText(text, text.GetLength(), rect, format);
}

CSize CDC::GetTextExtent(LPCTSTR text, int count) const
{
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(m_hDC, text, count, &size);
    return CSize(size);
}
CSize CDC::GetTextExtent(const CString& text) const { return GetTextExtent(text, text.GetLength()); }
BOOL CDC::GetTextMetrics(TEXTMETRICA* metrics) const { return ::GetTextMetricsA(m_hDC, metrics); }
int CDC::GetTextFace(int size, LPTSTR name) const { return ::GetTextFaceA(m_hDC, size, name); }

int CDC::SelectClipRgn(CRgn* region) { return ::SelectClipRgn(m_hDC, region ? HRGN(*region) : nullptr); }
int CDC::SelectClipRgn(CRgn* region, int mode)
{
    return ::ExtSelectClipRgn(m_hDC, region ? HRGN(*region) : nullptr, mode);
}
int CDC::IntersectClipRect(int l, int t, int r, int b) { return ::IntersectClipRect(m_hDC, l, t, r, b); }
int CDC::IntersectClipRect(LPCRECT rect)
{
    return rect ? IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom) : ERROR;
}
int CDC::ExcludeClipRect(int l, int t, int r, int b) { return ::ExcludeClipRect(m_hDC, l, t, r, b); }
int CDC::ExcludeClipRect(LPCRECT rect)
{
    return rect ? ExcludeClipRect(rect->left, rect->top, rect->right, rect->bottom) : ERROR;
}
int CDC::GetClipBox(LPRECT rect) const { return ::GetClipBox(m_hDC, rect); }
BOOL CDC::PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }
BOOL CDC::RectVisible(LPCRECT rect) const { return ::RectVisible(m_hDC, rect); }
