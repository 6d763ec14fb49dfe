// Blits and single pixels: BitBlt, StretchBlt, PatBlt, the DIB-to-device calls, Set/GetPixel.
#include "win32/gdi/DibFormat.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiBitmap.h"
#include "win32/gdi/GdiBlit.h"
#include "win32/gdi/GdiBrush.h"
#include "win32/gdi/GdiDc.h"
#include "win32/gdi/GdiPainter.h"
#include "win32/gdi/GdiScreen.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

GdiDc* Dc(HDC dc) { return GdiObject::From<GdiDc>(dc); }

uint8_t RopCode(DWORD rop) { return static_cast<uint8_t>((rop >> 16) & 0xFF); }
bool UsesSource(uint8_t code) { return ((code >> 2) ^ code) & 0x33; }
bool UsesPattern(uint8_t code) { return ((code >> 4) ^ code) & 0x0F; }

using Source = GdiBlitSource;

// The pixels of the source rectangle, read before anything is written, so that a blit
// within one raster sees the original pixels.
std::vector<uint32_t> ReadSource(const Source& source, int sx, int sy, int sw, int sh)
{
    std::vector<uint32_t> pixels(static_cast<size_t>(sw) * sh);
    std::unique_lock<std::recursive_mutex> lock;
    if (source.screen) {
        GdiScreen& screen = GdiScreen::Instance();
        lock = std::unique_lock<std::recursive_mutex>(screen.Lock());
        screen.Pull(RECT{sx, sy, sx + sw, sy + sh});
    }
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) pixels[static_cast<size_t>(y) * sw + x] = source.bitmap->Get(sx + x, sy + y);
    return pixels;
}

}

bool GdiBrushAt(const GdiDc& dc, const GdiBrush* brush, int x, int y, uint32_t& rgb)
{
    if (!brush) return false;
    switch (brush->GetStyle()) {
    case GdiBrush::Style::Solid: rgb = GdiPainter::FromColorRef(brush->Color()); return true;
    case GdiBrush::Style::DcColor: rgb = GdiPainter::FromColorRef(dc.Current().dcBrushColor); return true;
    case GdiBrush::Style::Pattern: rgb = brush->PatternAt(x, y); return true;
    case GdiBrush::Style::Null: return false;
    }
    return false;
}

bool GdiStretch(GdiDc& dst, int x, int y, int w, int h, const Source* source, int sx, int sy, int sw, int sh,
                DWORD rop)
{
    uint8_t code = RopCode(rop);
    bool needSource = UsesSource(code);
    if (needSource && (!source || !source->bitmap || !source->bitmap->Valid())) return false;
    if (w == 0 || h == 0) return true;
    POINT origin = dst.ToDevice(x, y);
    // A negative size runs back from the given (included) edge.
    int dx0 = w < 0 ? origin.x + w + 1 : origin.x, dy0 = h < 0 ? origin.y + h + 1 : origin.y;
    int aw = std::abs(w), ah = std::abs(h);
    bool flipX = (w < 0) != (sw < 0), flipY = (h < 0) != (sh < 0);
    int asw = std::abs(sw), ash = std::abs(sh);
    int sx0 = sw < 0 ? sx + sw + 1 : sx, sy0 = sh < 0 ? sy + sh + 1 : sy;
    std::vector<uint32_t> pixels;
    if (needSource) {
        if (asw == 0 || ash == 0) return false;
        pixels = ReadSource(*source, sx0, sy0, asw, ash);
    }
    GdiBitmap* target = dst.Target();
    if (!target) return false;
    bool toMono = needSource && target->BitsPerPixel() == 1 && source->bitmap->BitsPerPixel() != 1;
    bool fromMono = needSource && target->BitsPerPixel() != 1 && source->bitmap->BitsPerPixel() == 1;
    uint32_t bk = GdiPainter::FromColorRef(source ? source->bkColor : 0xFFFFFF);
    uint32_t dstText = GdiPainter::FromColorRef(dst.Current().textColor);
    uint32_t dstBk = GdiPainter::FromColorRef(dst.Current().bkColor);
    bool needPattern = UsesPattern(code);
    GdiPainter painter(dst, RECT{dx0, dy0, dx0 + aw, dy0 + ah});
    if (!painter.Ok()) return false;
    painter.Fill(RECT{dx0, dy0, dx0 + aw, dy0 + ah}, [&](int px, int py, uint32_t d) {
        uint32_t s = 0, p = 0;
        if (needSource) {
            int ix = px - dx0, iy = py - dy0;
            int fx = static_cast<int>(static_cast<int64_t>(ix) * asw / aw);
            int fy = static_cast<int>(static_cast<int64_t>(iy) * ash / ah);
            if (flipX) fx = asw - 1 - fx;
            if (flipY) fy = ash - 1 - fy;
            s = pixels[static_cast<size_t>(fy) * asw + fx];
            // Colour to monochrome: the source's background colour becomes white.
            if (toMono) s = s == bk ? 0xFFFFFF : 0;
            // Monochrome to colour: black takes the text colour, white the background colour.
            if (fromMono) s = s ? dstBk : dstText;
        }
        if (needPattern && !GdiBrushAt(dst, dst.Current().brush, px, py, p)) return d;
        return GdiPainter::Rop3(code, p, s, d);
    });
    return true;
}

BOOL StretchBlt(HDC dc, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, int sourceWidth,
                int sourceHeight, DWORD rop)
{
    GdiDc* d = Dc(dc);
    if (!d) return FALSE;
    Source src;
    if (GdiDc* s = Dc(source)) {
        src.bitmap = s->Target();
        src.screen = s->GetType() == GdiDc::Type::Screen;
        src.bkColor = s->Current().bkColor;
        POINT o = s->ToDevice(sourceX, sourceY);
        sourceX = o.x, sourceY = o.y;
    } else if (source) {
        return FALSE;
    }
    return GdiStretch(*d, x, y, width, height, source ? &src : nullptr, sourceX, sourceY, sourceWidth, sourceHeight,
                      rop)
               ? TRUE
               : FALSE;
}

BOOL BitBlt(HDC dc, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop)
{
    return StretchBlt(dc, x, y, width, height, source, sourceX, sourceY, width, height, rop);
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop)
{
    if (UsesSource(RopCode(rop))) return FALSE;
    return StretchBlt(dc, x, y, width, height, nullptr, 0, 0, width, height, rop);
}

int StretchDIBits(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY, int sourceWidth,
                  int sourceHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop)
{
    GdiDc* d = Dc(dc);
    DibFormat format;
    if (!d || !bits || !info || usage != DIB_RGB_COLORS ||
        !DibFormat::Parse(reinterpret_cast<const uint8_t*>(info), DibFormat::InfoSize(info), format))
        return 0;
    if (format.compression != BI_RGB && format.compression != BI_BITFIELDS) return 0;
    auto bitmap = format.MakeBitmap(true);
    if (!bitmap) return 0;
    std::memcpy(bitmap->Bits(), bits, bitmap->ImageSize());
    // DIB source coordinates count from the bottom of a bottom-up DIB.
    if (!format.topDown) sourceY = format.height - sourceY - sourceHeight;
    Source src{bitmap.get(), false, d->Current().bkColor};
    return GdiStretch(*d, x, y, width, height, &src, sourceX, sourceY, sourceWidth, sourceHeight, rop)
               ? format.height
               : 0;
}

int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int sourceX, int sourceY, UINT startLine,
                      UINT lines, const void* bits, const BITMAPINFO* info, UINT usage)
{
    if (startLine != 0 || !info) return 0;
    (void)lines;
    return StretchDIBits(dc, x, y, static_cast<int>(width), static_cast<int>(height), sourceX, sourceY,
                         static_cast<int>(width), static_cast<int>(height), bits, info, usage, SRCCOPY);
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color)
{
    GdiDc* d = Dc(dc);
    if (!d) return CLR_INVALID;
    POINT p = d->ToDevice(x, y);
    GdiPainter painter(*d, RECT{p.x, p.y, p.x + 1, p.y + 1});
    if (!painter.Ok() || !painter.Visible(p.x, p.y)) return CLR_INVALID;
    painter.Write(p.x, p.y, GdiPainter::FromColorRef(color));
    return GdiPainter::ToColorRef(painter.Read(p.x, p.y));
}

COLORREF GetPixel(HDC dc, int x, int y)
{
    GdiDc* d = Dc(dc);
    if (!d) return CLR_INVALID;
    POINT p = d->ToDevice(x, y);
    GdiPainter painter(*d, RECT{p.x, p.y, p.x + 1, p.y + 1}, GdiPainter::Access::Read);
    if (!painter.Ok() || !painter.Visible(p.x, p.y)) return CLR_INVALID;
    return GdiPainter::ToColorRef(painter.Read(p.x, p.y));
}
