// Icons and cursors: creating them from bitmaps or .ico/.cur data, describing and drawing them.
#include "win32/ByteOrder.h"
#include "win32/gdi/DibFormat.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiBitmap.h"
#include "win32/gdi/GdiDc.h"
#include "win32/gdi/GdiIcon.h"
#include "win32/gdi/GdiPainter.h"
#include "win32/gdi/Icon.h"
#include "win32/pictures/PictureImage.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

GdiIcon* IconOf(HICON icon) { return GdiObject::From<GdiIcon>(icon); }

// The mask of an image with alpha: fully transparent pixels are masked out.
void MaskFromAlpha(GdiIcon& icon)
{
    for (size_t i = 0; i < icon.color.size(); ++i) icon.mask[i] = (icon.color[i] >> 24) == 0 ? 1 : 0;
}

std::unique_ptr<GdiIcon> IconOfImage(const PictureImage& image, bool isIcon)
{
    auto icon = std::make_unique<GdiIcon>(image.width, image.height, isIcon);
    icon->color = image.pixels;
    icon->hasAlpha = image.hasAlpha;
    return icon;
}

// One .ico/.cur image: a PNG, or a DIB holding the colour rows then the AND mask, its
// header announcing both halves' height.
std::unique_ptr<GdiIcon> DecodeEntry(const uint8_t* data, size_t size, bool isIcon)
{
    static const uint8_t kPng[] = {0x89, 'P', 'N', 'G'};
    PictureImage image;
    if (size >= 4 && std::memcmp(data, kPng, 4) == 0) {
        if (DecodeWithStb(data, size, image) != PictureError::None) return nullptr;
        auto icon = IconOfImage(image, isIcon);
        MaskFromAlpha(*icon);
        return icon;
    }
    if (size < 40 || ReadLe32(data) < 40 || ReadLe32(data) > size) return nullptr;
    std::vector<uint8_t> header(data, data + size);
    int32_t doubled = static_cast<int32_t>(ReadLe32(data + 8));
    if (doubled <= 0 || doubled % 2) return nullptr;
    int32_t half = doubled / 2;
    std::memcpy(header.data() + 8, &half, 4);
    DibFormat format;
    if (!DibFormat::Parse(header.data(), header.size(), format) ||
        DecodeDib(header.data(), header.size(), image, 0) != PictureError::None)
        return nullptr;
    auto icon = IconOfImage(image, isIcon);
    // Where the colour rows end the mask begins (after any bit-field masks and colour
    // table the header announces); a missing mask leaves the icon opaque.
    size_t maskOffset = format.headerBytes + format.ImageSize();
    size_t maskStride = size_t(GdiBitmap::StrideFor(image.width, 1, true));
    if (maskOffset <= size && size - maskOffset >= maskStride * image.height) {
        for (int y = 0; y < image.height; ++y) {
            const uint8_t* row = data + maskOffset + maskStride * (image.height - 1 - y);
            for (int x = 0; x < image.width; ++x) icon->Mask(x, y) = (row[x / 8] >> (7 - x % 8)) & 1;
        }
    }
    if (icon->hasAlpha) MaskFromAlpha(*icon);
    return icon;
}

}

HICON MvCreateIconFromData(const void* bytes, size_t size, bool cursor, int width, int height)
{
    auto* data = static_cast<const uint8_t*>(bytes);
    if (!data || size < 6 || ReadLe16(data) != 0) return nullptr;
    uint16_t type = ReadLe16(data + 2), count = ReadLe16(data + 4);
    if ((type != 1 && type != 2) || count == 0 || 6 + size_t(count) * 16 > size) return nullptr;
    int best = -1, bestScore = 0;
    for (int i = 0; i < count; ++i) {
        const uint8_t* e = data + 6 + i * 16;
        int w = e[0] ? e[0] : 256, h = e[1] ? e[1] : 256;
        int score = width > 0 ? std::abs(w - width) + std::abs(height > 0 ? h - height : 0) : 0;
        if (best < 0 || score < bestScore) best = i, bestScore = score;
    }
    const uint8_t* e = data + 6 + best * 16;
    uint32_t length = ReadLe32(e + 8), offset = ReadLe32(e + 12);
    if (offset > size || length > size - offset) return nullptr;
    auto icon = DecodeEntry(data + offset, length, !cursor);
    if (!icon) return nullptr;
    if (type == 2) icon->hotX = ReadLe16(e + 4), icon->hotY = ReadLe16(e + 6);
    return ToHandle<HICON>(icon.release());
}

HICON CreateIconIndirect(const ICONINFO* info)
{
    if (!info || !info->hbmMask) return nullptr;
    GdiBitmap* mask = GdiObject::From<GdiBitmap>(info->hbmMask);
    GdiBitmap* color = info->hbmColor ? GdiObject::From<GdiBitmap>(info->hbmColor) : nullptr;
    if (!mask || (info->hbmColor && !color)) return nullptr;
    // A monochrome icon keeps its AND mask above its XOR image in one bitmap.
    int width = mask->Width(), height = color ? color->Height() : mask->Height() / 2;
    if (height <= 0) return nullptr;
    auto icon = std::make_unique<GdiIcon>(width, height, info->fIcon != FALSE);
    icon->hotX = static_cast<int>(info->xHotspot);
    icon->hotY = static_cast<int>(info->yHotspot);
    bool alpha = false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            icon->Mask(x, y) = mask->Get(x, y) ? 1 : 0;
            uint32_t a = 0;
            if (color && color->BitsPerPixel() == 32) a = color->Row(y)[x * 4 + 3];
            alpha |= a != 0;
            icon->Color(x, y) = (a << 24) | (color ? color->Get(x, y) : mask->Get(x, y + height));
        }
    icon->hasAlpha = alpha;
    return ToHandle<HICON>(icon.release());
}

BOOL GetIconInfo(HICON handle, ICONINFO* info)
{
    GdiIcon* icon = IconOf(handle);
    if (!icon || !info) return FALSE;
    auto color = std::make_unique<GdiBitmap>(icon->width, icon->height, 32, false, true);
    auto mask = std::make_unique<GdiBitmap>(icon->width, icon->height, 1, false, true);
    if (!color->Valid() || !mask->Valid()) return FALSE;
    for (int y = 0; y < icon->height; ++y)
        for (int x = 0; x < icon->width; ++x) {
            // Without an alpha channel the fourth byte stays zero, as in any plain bitmap.
            uint32_t c = icon->hasAlpha ? icon->Color(x, y) : icon->Color(x, y) & 0xFFFFFF;
            std::memcpy(color->Row(y) + x * 4, &c, 4);
            mask->Set(x, y, icon->Mask(x, y) ? 0xFFFFFF : 0);
        }
    info->fIcon = icon->isIcon ? TRUE : FALSE;
    info->xHotspot = static_cast<DWORD>(icon->hotX);
    info->yHotspot = static_cast<DWORD>(icon->hotY);
    info->hbmColor = ToHandle<HBITMAP>(color.release());
    info->hbmMask = ToHandle<HBITMAP>(mask.release());
    return TRUE;
}

HICON CopyIcon(HICON handle)
{
    GdiIcon* icon = IconOf(handle);
    if (!icon) return nullptr;
    auto copy = std::make_unique<GdiIcon>(icon->width, icon->height, icon->isIcon);
    copy->hotX = icon->hotX;
    copy->hotY = icon->hotY;
    copy->hasAlpha = icon->hasAlpha;
    copy->color = icon->color;
    copy->mask = icon->mask;
    return ToHandle<HICON>(copy.release());
}

BOOL DestroyIcon(HICON handle)
{
    GdiIcon* icon = IconOf(handle);
    if (!icon) return FALSE;
    if (!icon->IsStock()) delete icon;
    return TRUE;
}

BOOL DestroyCursor(HCURSOR cursor) { return DestroyIcon(cursor); }

BOOL DrawIconEx(HDC dc, int x, int y, HICON handle, int width, int height, UINT, HBRUSH background, UINT flags)
{
    GdiDc* d = GdiObject::From<GdiDc>(dc);
    GdiIcon* icon = IconOf(handle);
    if (!d || !icon) return FALSE;
    if (width <= 0) width = icon->width;
    if (height <= 0) height = icon->height;
    if (background) {
        RECT r{x, y, x + width, y + height};
        FillRect(dc, &r, background);
    }
    if (!(flags & DI_NORMAL)) flags |= DI_NORMAL;
    POINT p = d->ToDevice(x, y);
    RECT area{p.x, p.y, p.x + width, p.y + height};
    GdiPainter painter(*d, area);
    if (!painter.Ok()) return FALSE;
    painter.Fill(area, [&](int px, int py, uint32_t dst) {
        int ix = static_cast<int>(int64_t(px - p.x) * icon->width / width);
        int iy = static_cast<int>(int64_t(py - p.y) * icon->height / height);
        uint32_t c = icon->Color(ix, iy);
        bool masked = icon->Mask(ix, iy) != 0;
        if (icon->hasAlpha && (flags & DI_NORMAL) == DI_NORMAL) {
            uint32_t a = c >> 24, out = 0;
            for (int s = 0; s < 24; s += 8)
                out |= ((((c >> s) & 0xFF) * a + ((dst >> s) & 0xFF) * (255 - a) + 127) / 255) << s;
            return out;
        }
        uint32_t out = dst;
        if (flags & DI_MASK) out &= masked ? 0xFFFFFFu : 0u;
        if (flags & DI_IMAGE) out = (flags & DI_MASK) ? out ^ (c & 0xFFFFFF) : (c & 0xFFFFFF);
        return out;
    });
    return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon)
{
    return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

namespace {
thread_local HCURSOR tCursor = nullptr;
}

HCURSOR SetCursor(HCURSOR cursor)
{
    HCURSOR previous = tCursor;
    tCursor = cursor;
    return previous;
}

HCURSOR GetCursor() { return tCursor; }
