#pragma once
// The process-wide fonts and brushes of the user interface, and small drawing helpers.
#include "RealPoint.h"
#include "win32/WinTypes.h"

class CBitmap;
class CBrush;
class CDC;
class CFont;
class CWnd;

class UDrawingUtils {
public:
    UDrawingUtils& operator=(const UDrawingUtils&) { return *this; }

    // Creates the shared objects; false when they already exist.
    static bool Initialize();
    static BYTE GetDefaultCharSet();

    static CFont* GetFont();
    static CFont* GetSmallFont();
    static CFont* GetCourier18Bold();
    static CBrush* GetLightBlueBrush();
    static CBrush* GetRedBrush();
    static CBrush* GetWhiteBrush();

    // The four do nothing for an empty or inverted rectangle.
    static void FillRect(CDC* dc, const RECT& rect, COLORREF colour);
    static void FillRect(CDC* dc, const RECT& rect, CBrush* brush);
    static void FrameRect(CDC* dc, const RECT& rect, CBrush* brush);
    static void FrameRect(CDC* dc, const RECT& rect);

    static void Line(CDC* dc, POINT from, POINT to);
    // The line, then a filled triangle with its tip at the end point.
    static void LineWithArrow(CDC* dc, POINT from, POINT to, int size);
    // Copies the whole bitmap with its centre on (x, y).
    static void DrawBitmap(CDC* dc, CBitmap* bitmap, short x, short y);
    // Invalidates the whole window without erasing.
    static void Refresh(CWnd* window);

    static POINT TranslatePoint(const RealPoint& point);
    static RealPoint TranslatePoint(const POINT& point);
    static bool Equal(const RealPoint& a, const RealPoint& b);

    static CFont sFont;
    static CFont sSmallFont;
    static CFont sCourier18Bold;
    static CBrush sBlackBrush;
    static CBrush sLightYellowBrush;
    static CBrush sLightBlueBrush;
    static CBrush sRedBrush;
    static CBrush sWhiteBrush;
    static bool sInitialized;
};
