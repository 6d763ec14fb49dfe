// Bitmap calls: device-dependent bitmaps, DIB sections, and moving pixels in and out.
#include "win32/gdi/DibFormat.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiBitmap.h"
#include "win32/gdi/GdiDc.h"

#include <algorithm>
#include <cstring>

namespace {

GdiBitmap* Bitmap(HBITMAP b) { return GdiObject::From<GdiBitmap>(b); }

bool ParseInfo(const BITMAPINFO* info, DibFormat& format)
{
    if (!info) return false;
    return DibFormat::Parse(reinterpret_cast<const uint8_t*>(info), DibFormat::InfoSize(info), format);
}

HBITMAP Release(std::unique_ptr<GdiBitmap> bitmap)
{
    return bitmap ? ToHandle<HBITMAP>(bitmap.release()) : nullptr;
}

// Copies DIB scan lines [start, start + lines) between a bitmap and a raster of the format,
// scan 0 being the bottom row of a bottom-up DIB.
template <class F> int ForScans(const GdiBitmap& bitmap, const DibFormat& format, UINT start, UINT lines, F f)
{
    int height = bitmap.Height();
    if (start >= static_cast<UINT>(height)) return 0;
    int count = static_cast<int>(std::min<UINT>(lines, static_cast<UINT>(height) - start));
    for (int i = 0; i < count; ++i) {
        int scan = static_cast<int>(start) + i;
        f(format.topDown ? scan : height - 1 - scan, i);
    }
    return count;
}

}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    if (planes != 1) return nullptr;
    if (width == 0 || height == 0) width = height = 1, bitsPerPixel = 1;
    auto bitmap = std::make_unique<GdiBitmap>(width, height, static_cast<int>(bitsPerPixel), false, true);
    if (!bitmap->Valid()) return nullptr;
    if (bitsPerPixel == 16) bitmap->SetMasks(0xF800, 0x07E0, 0x001F);
    if (bits) std::memcpy(bitmap->Bits(), bits, bitmap->ImageSize());
    return Release(std::move(bitmap));
}

HBITMAP CreateBitmapIndirect(const BITMAP* b)
{
    if (!b) return nullptr;
    return CreateBitmap(b->bmWidth, b->bmHeight, b->bmPlanes, b->bmBitsPixel, b->bmBits);
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height)
{
    GdiDc* d = GdiObject::From<GdiDc>(dc);
    if (!d) return nullptr;
    if (width == 0 || height == 0) return CreateBitmap(1, 1, 1, 1, nullptr);
    GdiBitmap* target = d->Target();
    int bpp = d->GetType() == GdiDc::Type::Screen || !target ? 32 : target->BitsPerPixel();
    return CreateBitmap(width, height, 1, static_cast<UINT>(bpp), nullptr);
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD)
{
    if (bits) *bits = nullptr;
    DibFormat format;
    if (section || usage != DIB_RGB_COLORS || !ParseInfo(info, format)) return nullptr;
    if (format.compression != BI_RGB && format.compression != BI_BITFIELDS) return nullptr;
    auto bitmap = format.MakeBitmap(true);
    if (!bitmap) return nullptr;
    if (bits) *bits = bitmap->Bits();
    return Release(std::move(bitmap));
}

HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits, const BITMAPINFO* info,
                       UINT usage)
{
    if (!header) return nullptr;
    int height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    HBITMAP bitmap = CreateBitmap(header->biWidth, height, 1, 32, nullptr);
    if (bitmap && (init & CBM_INIT) && bits && info) SetDIBits(dc, bitmap, 0, static_cast<UINT>(height), bits, info, usage);
    return bitmap;
}

int GetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage)
{
    GdiBitmap* b = Bitmap(bitmap);
    if (!b || !info || usage != DIB_RGB_COLORS) return 0;
    BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER)) return 0;
    if (!bits && h.biBitCount == 0) {
        // Describe the bitmap as it is.
        h.biWidth = b->Width();
        h.biHeight = b->Height();
        h.biPlanes = 1;
        h.biBitCount = static_cast<WORD>(b->BitsPerPixel());
        h.biCompression = b->BitsPerPixel() == 16 || !b->HasDefaultMasks() ? BI_BITFIELDS : BI_RGB;
        h.biSizeImage = static_cast<DWORD>(GdiBitmap::StrideFor(b->Width(), b->BitsPerPixel(), true) * b->Height());
        h.biClrUsed = 0;
        h.biClrImportant = 0;
        return 1;
    }
    if (!bits) {
        // The masks or colour table of the layout asked for.
        auto* table = reinterpret_cast<uint8_t*>(info) + h.biSize;
        if (h.biCompression == BI_BITFIELDS && (h.biBitCount == 16 || h.biBitCount == 32)) {
            bool same = h.biBitCount == b->BitsPerPixel();
            uint32_t masks[3] = {same ? b->Mask(0) : (h.biBitCount == 16 ? 0xF800u : 0xFF0000u),
                                 same ? b->Mask(1) : (h.biBitCount == 16 ? 0x07E0u : 0xFF00u),
                                 same ? b->Mask(2) : (h.biBitCount == 16 ? 0x001Fu : 0xFFu)};
            std::memcpy(table, masks, sizeof(masks));
        } else if (h.biBitCount <= 8 && h.biBitCount > 0) {
            size_t count = size_t{1} << h.biBitCount;
            std::vector<RGBQUAD> colors(count, RGBQUAD{0, 0, 0, 0});
            if (b->BitsPerPixel() == h.biBitCount) colors = b->Colors();
            std::memcpy(table, colors.data(), count * sizeof(RGBQUAD));
        }
        h.biSizeImage = static_cast<DWORD>(GdiBitmap::StrideFor(b->Width(), h.biBitCount, true) * b->Height());
        return 1;
    }
    DibFormat format;
    BITMAPINFOHEADER saved = h;
    h.biWidth = b->Width();
    h.biHeight = saved.biHeight < 0 ? -b->Height() : b->Height();
    if (!ParseInfo(info, format)) {
        h = saved;
        return 0;
    }
    auto scans = std::make_unique<GdiBitmap>(format.width, 1, format.bitsPerPixel, true, true);
    if (!scans->Valid()) return 0;
    scans->SetMasks(format.masks[0], format.masks[1], format.masks[2]);
    if (format.bitsPerPixel <= 8) scans->Colors() = format.colors;
    size_t stride = format.Stride();
    return ForScans(*b, format, start, lines, [&](int row, int i) {
        for (int x = 0; x < format.width; ++x) scans->Set(x, 0, b->Get(x, row));
        std::memcpy(static_cast<uint8_t*>(bits) + static_cast<size_t>(i) * stride, scans->Bits(), stride);
    });
}

int SetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info, UINT usage)
{
    GdiBitmap* b = Bitmap(bitmap);
    DibFormat format;
    if (!b || !bits || usage != DIB_RGB_COLORS || !ParseInfo(info, format)) return 0;
    if (format.compression != BI_RGB && format.compression != BI_BITFIELDS) return 0;
    auto scans = std::make_unique<GdiBitmap>(format.width, 1, format.bitsPerPixel, true, true);
    if (!scans->Valid()) return 0;
    scans->SetMasks(format.masks[0], format.masks[1], format.masks[2]);
    if (format.bitsPerPixel <= 8) scans->Colors() = format.colors;
    size_t stride = format.Stride();
    int width = std::min(format.width, b->Width());
    return ForScans(*b, format, start, lines, [&](int row, int i) {
        std::memcpy(scans->Bits(), static_cast<const uint8_t*>(bits) + static_cast<size_t>(i) * stride, stride);
        for (int x = 0; x < width; ++x) b->Set(x, row, scans->Get(x, 0));
    });
}

LONG GetBitmapBits(HBITMAP bitmap, LONG size, void* bits)
{
    GdiBitmap* b = Bitmap(bitmap);
    if (!b || !b->Valid() || size < 0) return 0;
    size_t total = static_cast<size_t>(b->Stride()) * b->Height();
    if (!bits) return static_cast<LONG>(total);
    size_t want = std::min(total, static_cast<size_t>(size));
    // Rows come top-down, each as long as the bitmap reports.
    for (int y = 0; y < b->Height() && want > 0; ++y) {
        size_t n = std::min(want, static_cast<size_t>(b->Stride()));
        std::memcpy(static_cast<uint8_t*>(bits) + static_cast<size_t>(y) * b->Stride(), b->Row(y), n);
        want -= n;
    }
    return static_cast<LONG>(std::min(total, static_cast<size_t>(size)));
}

LONG SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits)
{
    GdiBitmap* b = Bitmap(bitmap);
    if (!b || !b->Valid() || !bits) return 0;
    size_t total = static_cast<size_t>(b->Stride()) * b->Height();
    size_t want = std::min(total, static_cast<size_t>(size));
    size_t done = want;
    for (int y = 0; y < b->Height() && want > 0; ++y) {
        size_t n = std::min(want, static_cast<size_t>(b->Stride()));
        std::memcpy(b->Row(y), static_cast<const uint8_t*>(bits) + static_cast<size_t>(y) * b->Stride(), n);
        want -= n;
    }
    return static_cast<LONG>(done);
}
