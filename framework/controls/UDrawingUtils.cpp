#include "UDrawingUtils.h"

#include "afx/gdi/CBitmap.h"
#include "afx/gdi/CBrush.h"
#include "afx/gdi/CDC.h"
#include "afx/gdi/CFont.h"
#include "afx/windows/CWnd.h"
#include "win32/fonts/Font.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"
#include "win32/windowing/Window.h"

#include <cmath>

// Defined in creation order, so that they are deleted at exit in the reverse order.
CFont UDrawingUtils::sFont;
CFont UDrawingUtils::sSmallFont;
CFont UDrawingUtils::sCourier18Bold;
CBrush UDrawingUtils::sBlackBrush;
CBrush UDrawingUtils::sLightYellowBrush;
CBrush UDrawingUtils::sLightBlueBrush;
CBrush UDrawingUtils::sRedBrush;
CBrush UDrawingUtils::sWhiteBrush;
bool UDrawingUtils::sInitialized = false;

namespace {

void MakeFont(CFont& font, const char* face, int height, int weight, BYTE charSet)
{
    font.CreateFont(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, charSet, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

bool IsDrawable(const RECT& r) { return r.left < r.right && r.top < r.bottom; }

// The shared objects exist from the moment the library is loaded.
const bool sLoaded = UDrawingUtils::Initialize();

} // namespace

bool UDrawingUtils::Initialize()
{
    if (sInitialized) return false;
    sInitialized = true;
    BYTE charSet = GetDefaultCharSet();
    MakeFont(sFont, "Arial", -12, FW_NORMAL, charSet);
    MakeFont(sSmallFont, "Arial", -10, FW_NORMAL, charSet);
    MakeFont(sCourier18Bold, "Courier New", -18, FW_BOLD, charSet);
    sBlackBrush.CreateSolidBrush(RGB(0, 0, 0));
    sLightYellowBrush.CreateSolidBrush(RGB(255, 255, 128));
    sLightBlueBrush.CreateSolidBrush(RGB(174, 174, 255));
    sRedBrush.CreateSolidBrush(RGB(255, 0, 0));
    sWhiteBrush.CreateSolidBrush(RGB(255, 255, 255));
    (void)sLoaded;
    return true;
}

BYTE UDrawingUtils::GetDefaultCharSet()
{
    HWND desktop = GetDesktopWindow();
    HDC dc = GetDC(desktop);
    if (!dc) return DEFAULT_CHARSET;
    int charSet = GetTextCharset(dc);
    ReleaseDC(desktop, dc);
    return charSet < 0 ? DEFAULT_CHARSET : static_cast<BYTE>(charSet);
}

CFont* UDrawingUtils::GetFont()
{
    Initialize();
    return &sFont;
}

CFont* UDrawingUtils::GetSmallFont()
{
    Initialize();
    return &sSmallFont;
}

CFont* UDrawingUtils::GetCourier18Bold()
{
    Initialize();
    return &sCourier18Bold;
}

CBrush* UDrawingUtils::GetLightBlueBrush()
{
    Initialize();
    return &sLightBlueBrush;
}

CBrush* UDrawingUtils::GetRedBrush()
{
    Initialize();
    return &sRedBrush;
}

CBrush* UDrawingUtils::GetWhiteBrush()
{
    Initialize();
    return &sWhiteBrush;
}

void UDrawingUtils::FillRect(CDC* dc, const RECT& rect, COLORREF colour)
{
    if (!dc || !IsDrawable(rect)) return;
    dc->FillSolidRect(&rect, colour);
}

void UDrawingUtils::FillRect(CDC* dc, const RECT& rect, CBrush* brush)
{
    if (!dc || !brush || !IsDrawable(rect)) return;
    dc->FillRect(&rect, brush);
}

void UDrawingUtils::FrameRect(CDC* dc, const RECT& rect, CBrush* brush)
{
    if (!dc || !brush || !IsDrawable(rect)) return;
    dc->FrameRect(&rect, brush);
}

void UDrawingUtils::FrameRect(CDC* dc, const RECT& rect)
{
    Initialize();
    FrameRect(dc, rect, &sBlackBrush);
}

void UDrawingUtils::Line(CDC* dc, POINT from, POINT to)
{
    if (!dc) return;
    dc->MoveTo(from);
    dc->LineTo(to);
}

void UDrawingUtils::LineWithArrow(CDC* dc, POINT from, POINT to, int size)
{
    if (!dc) return;
    Line(dc, from, to);
    double angle = std::atan2(double(to.y - from.y), double(to.x - from.x));
    double backX = to.x - size * std::cos(angle);
    double backY = to.y - size * std::sin(angle);
    double half = size / 2;
    double sideX = -std::sin(angle) * half;
    double sideY = std::cos(angle) * half;
    POINT triangle[3] = {
        to,
        {LONG(std::trunc(backX + sideX)), LONG(std::trunc(backY + sideY))},
        {LONG(std::trunc(backX - sideX)), LONG(std::trunc(backY - sideY))},
    };
    dc->Polygon(triangle, 3);
}

void UDrawingUtils::DrawBitmap(CDC* dc, CBitmap* bitmap, short x, short y)
{
    if (!dc || !bitmap || !bitmap->GetSafeHandle()) return;
    BITMAP info{};
    if (!bitmap->GetBitmap(&info)) return;
    CDC memory;
    if (!memory.CreateCompatibleDC(dc)) return;
    CBitmap* old = memory.SelectObject(bitmap);
    dc->BitBlt(x - info.bmWidth / 2, y - info.bmHeight / 2, info.bmWidth, info.bmHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void UDrawingUtils::Refresh(CWnd* window)
{
    if (window && window->GetSafeHwnd()) window->Invalidate(FALSE);
}

POINT UDrawingUtils::TranslatePoint(const RealPoint& point)
{
    return {LONG(std::trunc(point.x)), LONG(std::trunc(point.y))};
}

RealPoint UDrawingUtils::TranslatePoint(const POINT& point)
{
    return {double(point.x), double(point.y)};
}

bool UDrawingUtils::Equal(const RealPoint& a, const RealPoint& b)
{
    return a.x == b.x && a.y == b.y;
}
