#include "UBitmapUtils.h"

#include "UColorSpace.h"
#include "win32/gdi/Gdi.h"

#include <vector>

unsigned short UBitmapUtils::GetBytesPerPixel(unsigned short bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 15:
    case 16: return 2;
    case 24: return 3;
    case 32: return 4;
    default: return 0;
    }
}

void UBitmapUtils::MakeMonochrome(HBITMAP& bitmap)
{
    BITMAP b;
    if (!bitmap || !GetObjectA(bitmap, sizeof(b), &b)) return;
    unsigned short bytes = GetBytesPerPixel(b.bmBitsPixel);
    if (!bytes || b.bmWidth <= 0 || b.bmHeight <= 0) return;
    UColorSpace::Initialize();
    size_t size = size_t(b.bmWidthBytes) * size_t(b.bmHeight);
    std::vector<BYTE> pixels(size);
    if (GetBitmapBits(bitmap, static_cast<LONG>(size), pixels.data()) <= 0) return;
    for (LONG y = 0; y < b.bmHeight; ++y) {
        BYTE* row = pixels.data() + size_t(y) * b.bmWidthBytes;
        for (LONG x = 0; x < b.bmWidth; ++x) {
            BYTE* p = row + size_t(x) * bytes;
            BYTE r, g, bl;
            unsigned short word = static_cast<unsigned short>(p[0] | (p[1] << 8));
            if (b.bmBitsPixel == 15) r = UColorSpace::RGB555toR(word), g = UColorSpace::RGB555toG(word), bl = UColorSpace::RGB555toB(word);
            else if (b.bmBitsPixel == 16) r = UColorSpace::RGB565toR(word), g = UColorSpace::RGB565toG(word), bl = UColorSpace::RGB565toB(word);
            else bl = p[0], g = p[1], r = p[2];
            BYTE luma = UColorSpace::RGBtoY(r, g, bl);
            if (luma <= 30) continue;
            if (luma < 128) luma = 128;
            BYTE gr = UColorSpace::YCbCrtoR(luma, 128, 128);
            BYTE gg = UColorSpace::YCbCrtoG(luma, 128, 128);
            BYTE gb = UColorSpace::YCbCrtoB(luma, 128, 128);
            if (bytes == 2) {
                unsigned short out = b.bmBitsPixel == 15 ? UColorSpace::MakeRgb555(gr, gg, gb) : UColorSpace::MakeRgb565(gr, gg, gb);
                p[0] = static_cast<BYTE>(out & 0xFF);
                p[1] = static_cast<BYTE>(out >> 8);
            } else {
                p[0] = gb, p[1] = gg, p[2] = gr;
            }
        }
    }
    SetBitmapBits(bitmap, static_cast<DWORD>(size), pixels.data());
}
