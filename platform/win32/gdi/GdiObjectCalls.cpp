// Object calls: stock objects, creating pens and brushes, describing and deleting objects.
#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiBitmap.h"
#include "win32/gdi/GdiBrush.h"
#include "win32/gdi/GdiDc.h"
#include "win32/fonts/GdiFont.h"
#include "win32/gdi/GdiPen.h"
#include "win32/gdi/GdiStock.h"

#include <cstring>

BOOL DeleteObject(HGDIOBJ object)
{
    GdiObject* o = GdiObject::Find(object);
    if (!o || o->Kind() == GdiKind::Dc || o->Kind() == GdiKind::Icon) return FALSE;
    if (o->IsStock()) return TRUE;
    if (o->mSelected > 0) return FALSE;  // still selected into a device context
    delete o;
    return TRUE;
}

HGDIOBJ GetStockObject(int index)
{
    GdiObject* o = GdiStock::Instance().Object(index);
    return o ? o->Handle() : nullptr;
}

DWORD GetObjectType(HGDIOBJ object)
{
    GdiObject* o = GdiObject::Find(object);
    if (!o || o->Kind() == GdiKind::Icon) return 0;
    if (o->Kind() == GdiKind::Dc)
        return static_cast<GdiDc*>(o)->GetType() == GdiDc::Type::Memory ? OBJ_MEMDC : OBJ_DC;
    return static_cast<DWORD>(o->Kind());
}

int GetObjectA(HGDIOBJ object, int size, void* buffer)
{
    GdiObject* o = GdiObject::Find(object);
    if (!o) return 0;
    switch (o->Kind()) {
    case GdiKind::Bitmap: {
        auto* b = static_cast<GdiBitmap*>(o);
        DIBSECTION ds{};
        ds.dsBm = BITMAP{0, b->Width(), b->Height(), b->Stride(), 1, static_cast<WORD>(b->BitsPerPixel()),
                         b->IsDib() ? b->Bits() : nullptr};
        int full = b->IsDib() ? static_cast<int>(sizeof(DIBSECTION)) : static_cast<int>(sizeof(BITMAP));
        if (!buffer) return full;
        if (b->IsDib() && size >= static_cast<int>(sizeof(DIBSECTION))) {
            BITMAPINFOHEADER& h = ds.dsBmih;
            h.biSize = sizeof(BITMAPINFOHEADER);
            h.biWidth = b->Width();
            h.biHeight = b->TopDown() ? -b->Height() : b->Height();
            h.biPlanes = 1;
            h.biBitCount = static_cast<WORD>(b->BitsPerPixel());
            bool fields = b->BitsPerPixel() == 16 || (b->BitsPerPixel() == 32 && !b->HasDefaultMasks());
            h.biCompression = fields ? BI_BITFIELDS : BI_RGB;
            h.biSizeImage = static_cast<DWORD>(b->ImageSize());
            for (int c = 0; c < 3; ++c) ds.dsBitfields[c] = fields ? b->Mask(c) : 0;
            std::memcpy(buffer, &ds, sizeof(DIBSECTION));
            return sizeof(DIBSECTION);
        }
        if (size < static_cast<int>(sizeof(BITMAP))) return 0;
        std::memcpy(buffer, &ds.dsBm, sizeof(BITMAP));
        return sizeof(BITMAP);
    }
    case GdiKind::Brush: {
        auto* b = static_cast<GdiBrush*>(o);
        if (!buffer) return sizeof(LOGBRUSH);
        if (size < static_cast<int>(sizeof(LOGBRUSH))) return 0;
        LOGBRUSH lb{b->GetStyle() == GdiBrush::Style::Null ? UINT{BS_NULL} : UINT{BS_SOLID}, b->Color(), 0};
        std::memcpy(buffer, &lb, sizeof(lb));
        return sizeof(LOGBRUSH);
    }
    case GdiKind::Pen: {
        auto* p = static_cast<GdiPen*>(o);
        if (!buffer) return sizeof(LOGPEN);
        if (size < static_cast<int>(sizeof(LOGPEN))) return 0;
        LOGPEN lp{static_cast<UINT>(p->Style()), POINT{p->Width(), 0}, p->Color()};
        std::memcpy(buffer, &lp, sizeof(lp));
        return sizeof(LOGPEN);
    }
    case GdiKind::Font: {
        auto* f = static_cast<GdiFont*>(o);
        if (!buffer) return sizeof(LOGFONTA);
        if (size < static_cast<int>(sizeof(LOGFONTA))) return 0;
        std::memcpy(buffer, &f->Logical(), sizeof(LOGFONTA));
        return sizeof(LOGFONTA);
    }
    default: return 0;
    }
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    return ToHandle<HBRUSH>(new GdiBrush(GdiBrush::Style::Solid, color & 0xFFFFFF));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush)
{
    if (!brush) return nullptr;
    if (brush->lbStyle == BS_NULL) return ToHandle<HBRUSH>(new GdiBrush(GdiBrush::Style::Null, 0));
    if (brush->lbStyle != BS_SOLID) return nullptr;
    return CreateSolidBrush(brush->lbColor);
}

HBRUSH CreatePatternBrush(HBITMAP bitmap)
{
    GdiBitmap* b = GdiObject::From<GdiBitmap>(bitmap);
    if (!b || !b->Valid()) return nullptr;
    std::vector<uint32_t> pixels;
    pixels.reserve(static_cast<size_t>(b->Width()) * b->Height());
    for (int y = 0; y < b->Height(); ++y)
        for (int x = 0; x < b->Width(); ++x) pixels.push_back(b->Get(x, y));
    auto* brush = new GdiBrush(GdiBrush::Style::Pattern, 0);
    brush->SetPattern(b->Width(), b->Height(), std::move(pixels));
    return ToHandle<HBRUSH>(brush);
}

HPEN CreatePen(int style, int width, COLORREF color)
{
    if (style < PS_SOLID || style > PS_INSIDEFRAME) return nullptr;
    return ToHandle<HPEN>(new GdiPen(style, width, color & 0xFFFFFF));
}

HPEN CreatePenIndirect(const LOGPEN* pen)
{
    if (!pen) return nullptr;
    return CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor);
}

DWORD GetSysColor(int index) { return GdiStock::SysColor(index); }

HBRUSH GetSysColorBrush(int index)
{
    GdiBrush* b = GdiStock::Instance().SysColorBrush(index);
    return b ? ToHandle<HBRUSH>(b) : nullptr;
}

BOOL GdiFlush() { return TRUE; }
