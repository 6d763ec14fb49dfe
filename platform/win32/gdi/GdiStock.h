#pragma once
// Internal: the stock objects and system colours, made once per process and never deleted.
#include "win32/WinTypes.h"

class GdiBitmap;
class GdiBrush;
class GdiFont;
class GdiObject;
class GdiPen;

class GdiStock {
public:
    static GdiStock& Instance();

    GdiObject* Object(int index);
    GdiBrush* Brush(int index);
    GdiPen* Pen(int index);
    GdiFont* Font();
    GdiBitmap* DefaultBitmap() { return mDefaultBitmap; }
    static COLORREF SysColor(int index);
    GdiBrush* SysColorBrush(int index);

private:
    GdiStock();
    static constexpr int kObjects = 20;
    static constexpr int kSysColors = 31;
    GdiObject* mObjects[kObjects] = {};
    GdiBrush* mSysBrushes[kSysColors] = {};
    GdiBitmap* mDefaultBitmap = nullptr;
};
