#pragma once
// Rectangle helpers. Rectangles are half-open: right and bottom lie outside.
#include "win32/WinTypes.h"

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* rect);
BOOL CopyRect(RECT* target, const RECT* source);
BOOL InflateRect(RECT* rect, int dx, int dy);
BOOL OffsetRect(RECT* rect, int dx, int dy);
BOOL IsRectEmpty(const RECT* rect);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL PtInRect(const RECT* rect, POINT point);
// Both return FALSE and an empty target when the result is empty.
BOOL IntersectRect(RECT* target, const RECT* a, const RECT* b);
BOOL UnionRect(RECT* target, const RECT* a, const RECT* b);
