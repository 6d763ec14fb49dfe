#include "win32/gdi/GdiStock.h"

#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiBitmap.h"
#include "win32/gdi/GdiBrush.h"
#include "win32/fonts/GdiFont.h"
#include "win32/gdi/GdiPen.h"

namespace {

// The classic grey scheme.
const COLORREF kScheme[] = {
    RGB(212, 208, 200), RGB(58, 110, 165), RGB(10, 36, 106), RGB(128, 128, 128), RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106), RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0), RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(64, 64, 64), RGB(212, 208, 200), RGB(0, 0, 0), RGB(255, 255, 225),
    RGB(181, 181, 181), RGB(0, 0, 128), RGB(166, 202, 240), RGB(192, 192, 192), RGB(49, 106, 197),
    RGB(236, 233, 216)};

}

GdiStock& GdiStock::Instance()
{
    static GdiStock* stock = new GdiStock;  // never freed: handles to it stay valid until exit
    return *stock;
}

GdiStock::GdiStock()
{
    const COLORREF brushColors[] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128), RGB(64, 64, 64),
                                    RGB(0, 0, 0)};
    for (int i = 0; i < 5; ++i) mObjects[i] = new GdiBrush(GdiBrush::Style::Solid, brushColors[i]);
    mObjects[NULL_BRUSH] = new GdiBrush(GdiBrush::Style::Null, 0);
    mObjects[WHITE_PEN] = new GdiPen(PS_SOLID, 1, RGB(255, 255, 255));
    mObjects[BLACK_PEN] = new GdiPen(PS_SOLID, 1, RGB(0, 0, 0));
    mObjects[NULL_PEN] = new GdiPen(PS_NULL, 1, 0);
    mObjects[SYSTEM_FONT] = GdiFont::CreateStock("Sans", -13, 700);
    for (int i : {OEM_FIXED_FONT, ANSI_FIXED_FONT, SYSTEM_FIXED_FONT})
        mObjects[i] = GdiFont::CreateStock("Monospace", -13, 400);
    for (int i : {ANSI_VAR_FONT, DEVICE_DEFAULT_FONT, DEFAULT_GUI_FONT})
        mObjects[i] = GdiFont::CreateStock("Sans", -11, 400);
    mObjects[DC_BRUSH] = new GdiBrush(GdiBrush::Style::DcColor, 0);
    mObjects[DC_PEN] = new GdiPen(PS_SOLID, 1, 0, true);
    for (GdiObject* object : mObjects)
        if (object) object->MarkStock();
    for (int i = 0; i < kSysColors; ++i) {
        mSysBrushes[i] = new GdiBrush(GdiBrush::Style::Solid, kScheme[i]);
        mSysBrushes[i]->MarkStock();
    }
    mDefaultBitmap = new GdiBitmap(1, 1, 1, false, true);
    mDefaultBitmap->MarkStock();
}

GdiObject* GdiStock::Object(int index)
{
    return index >= 0 && index < kObjects ? mObjects[index] : nullptr;
}

GdiBrush* GdiStock::Brush(int index) { return static_cast<GdiBrush*>(Object(index)); }
GdiPen* GdiStock::Pen(int index) { return static_cast<GdiPen*>(Object(index)); }
GdiFont* GdiStock::Font() { return static_cast<GdiFont*>(Object(SYSTEM_FONT)); }

COLORREF GdiStock::SysColor(int index)
{
    return index >= 0 && index < kSysColors ? kScheme[index] : 0;
}

GdiBrush* GdiStock::SysColorBrush(int index)
{
    if (index < 0 || index >= kSysColors) return nullptr;
    return mSysBrushes[index];
}
