#include "UColorSpace.h"

LONG UColorSpace::sRedCy[256], UColorSpace::sGreenCy[256], UColorSpace::sBlueCy[256];
LONG UColorSpace::sRedCb[256], UColorSpace::sGreenCb[256], UColorSpace::sBlueCb[256];
LONG UColorSpace::sRedCr[256], UColorSpace::sGreenCr[256], UColorSpace::sBlueCr[256];
LONG UColorSpace::sY[256], UColorSpace::sCrRed[256], UColorSpace::sCrGreen[256], UColorSpace::sCbGreen[256],
    UColorSpace::sCbBlue[256];
BYTE UColorSpace::sGrey[256];
BYTE UColorSpace::sClipingTable[1024];
BYTE* UColorSpace::sCliping = UColorSpace::sClipingTable + 384;
bool UColorSpace::sInitialized = UColorSpace::Initialize();

bool UColorSpace::Initialize()
{
    for (LONG i = 0; i < 256; ++i) {
        sRedCy[i] = 66 * i;
        sGreenCy[i] = 129 * i;
        sBlueCy[i] = 25 * i;
        sRedCb[i] = -38 * i;
        sGreenCb[i] = -74 * i;
        sBlueCb[i] = 112 * i;
        sRedCr[i] = 112 * i;
        sGreenCr[i] = -94 * i;
        sBlueCr[i] = -18 * i;
        sY[i] = 149 * (i - 16);
        sCrRed[i] = 204 * (i - 128);
        sCrGreen[i] = -104 * (i - 128);
        sCbGreen[i] = -50 * (i - 128);
        sCbBlue[i] = 258 * (i - 128);
    }
    for (LONG k = -384; k < 640; ++k)
        sClipingTable[k + 384] = BYTE(k < 0 ? 0 : k > 255 ? 255 : k);
    for (LONG i = 0; i < 256; ++i)
        sGrey[i] = Limit(sY[i] >> 7);
    return true;
}

void UColorSpace::RGBtoYCbCr(const BYTE* rgb, BYTE* y, BYTE* cb, BYTE* cr)
{
    *y = RGBtoY(rgb[0], rgb[1], rgb[2]);
    *cb = RGBtoCb(rgb[0], rgb[1], rgb[2]);
    *cr = RGBtoCr(rgb[0], rgb[1], rgb[2]);
}

void UColorSpace::RGBtoYCbCr(const BYTE* rgb, unsigned short* y, unsigned short* cb, unsigned short* cr)
{
    *y = RGBtoY(rgb[0], rgb[1], rgb[2]);
    *cb = RGBtoCb(rgb[0], rgb[1], rgb[2]);
    *cr = RGBtoCr(rgb[0], rgb[1], rgb[2]);
}

void UColorSpace::RGBtoYCbCr(BYTE* data, ULONG width, ULONG height)
{
    const size_t n = size_t(width) * height;
    for (size_t i = 0; i < n; ++i, data += 4) {
        BYTE y, cb, cr;
        RGBtoYCbCr(data, &y, &cb, &cr);
        data[0] = y;
        data[1] = cb;
        data[2] = cr;
    }
}

void UColorSpace::YCbCrtoRGB(const BYTE* y, const BYTE* cb, const BYTE* cr, BYTE* rgb)
{
    rgb[0] = YCbCrtoR(*y, *cb, *cr);
    rgb[1] = YCbCrtoG(*y, *cb, *cr);
    rgb[2] = YCbCrtoB(*y, *cb, *cr);
}

void UColorSpace::YCbCrtoRGB(BYTE* data, ULONG width, ULONG height)
{
    const size_t n = size_t(width) * height;
    for (size_t i = 0; i < n; ++i, data += 4) {
        const BYTE y = data[0], cb = data[1], cr = data[2];
        YCbCrtoRGB(&y, &cb, &cr, data);
    }
}

void UColorSpace::YCbCrtoRGB2(const BYTE* y, const BYTE* cb, const BYTE* cr, BYTE* rgb)
{
    YCbCrtoRGB(y, cb, cr, rgb);
    YCbCrtoRGB(y + 1, cb, cr, rgb + 4);
}

bool UColorSpace::GetTopDown(EColorFormat format, int height)
{
    return !IsRgb(format) || height < 0;
}

bool UColorSpace::IsRgb(EColorFormat format)
{
    return format >= 100 && format <= 107;
}

bool UColorSpace::IsYuv(EColorFormat format)
{
    return format >= 200 && format <= 210;
}

unsigned short UColorSpace::GetColorDepth(EColorFormat format)
{
    switch (format) {
    case kColorRgb8: return 8;
    case kColorRgb555:
    case kColorRgb565:
    case kColorUyvy:
    case kColorYuy2:
    case kColorYvyu: return 16;
    case kColorRgb24: return 24;
    case kColorIyuv:
    case kColorYv12:
    case kColorI420: return 12;
    case kColorYvu9: return 9;
    default: return 32;
    }
}

BYTE UColorSpace::GetPixelSize(EColorFormat format)
{
    switch (format) {
    case kColorRgb8: return 1;
    case kColorRgb555:
    case kColorRgb565: return 2;
    case kColorRgb24: return 3;
    default: return 4;
    }
}

LONG UColorSpace::GetLineSize(EColorFormat format, unsigned short width)
{
    const LONG w = width;
    switch (format) {
    case kColorRgb8: return w;
    case kColorRgb555:
    case kColorRgb565:
    case kColorUyvy:
    case kColorYuy2:
    case kColorYvyu:
    case kColorI420: return 2 * w;
    case kColorRgb24: return (3 * w + 3) & ~3;
    default: return 4 * w;
    }
}

size_t UColorSpace::GetImageSize(unsigned short bits, unsigned short width, unsigned short height)
{
    const size_t lineBits = size_t(bits) * width;
    // Whole bytes: a 12- or 9-bit line of an odd width rounded down would leave the last chroma
    // samples of the planes outside the buffer.
    size_t line = (lineBits + 7) / 8;
    if (bits == 24 && lineBits % 32 != 0)
        line = (line / 4) * 4 + 4;
    return size_t(height) * line;
}

size_t UColorSpace::GetImageSize(EColorFormat format, unsigned short width, unsigned short height)
{
    return GetImageSize(GetColorDepth(format), width, height);
}
