#include "desktop/DesktopImages.h"

#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"

#include <vector>

QImage DesktopImageOf(HBITMAP bitmap)
{
    BITMAP bm{};
    if (!bitmap || !GetObjectA(bitmap, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return QImage();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = bm.bmWidth;
    info.bmiHeader.biHeight = -bm.bmHeight;   // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    QImage image(bm.bmWidth, bm.bmHeight, QImage::Format_RGB32);
    HDC dc = CreateCompatibleDC(nullptr);
    int lines = GetDIBits(dc, bitmap, 0, static_cast<UINT>(bm.bmHeight), image.bits(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
    if (lines <= 0) return QImage();
    // GDI leaves the fourth byte 0; Qt's 32-bit RGB wants it full.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) line[x] |= 0xFF000000u;
    }
    return image;
}

QImage DesktopImageOfIcon(HICON icon)
{
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return QImage();
    QImage colour = DesktopImageOf(info.hbmColor);
    QImage mask = DesktopImageOf(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (colour.isNull()) return QImage();
    QImage out = colour.convertToFormat(QImage::Format_ARGB32);
    // A set mask bit lets the background through.
    if (mask.size() == out.size())
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x)
                if (qRed(mask.pixel(x, y)) > 127) out.setPixel(x, y, 0);
    return out;
}
