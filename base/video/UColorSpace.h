#pragma once
// Sizes of every colour format and BT.601 (video range) conversion of single pixels.
#include <cstddef>
#include "EColorFormat.h"
#include "win32/WinTypes.h"

class UColorSpace {
public:
    static bool Initialize();

    static BYTE Limit(LONG v) { return sCliping[v]; }

    static BYTE RGBtoY(BYTE r, BYTE g, BYTE b)
    {
        return Limit((sRedCy[r] + sGreenCy[g] + sBlueCy[b] + 4096) >> 8);
    }
    static BYTE RGBtoCb(BYTE r, BYTE g, BYTE b)
    {
        return Limit((sRedCb[r] + sGreenCb[g] + sBlueCb[b] + 32768) >> 8);
    }
    static BYTE RGBtoCr(BYTE r, BYTE g, BYTE b)
    {
        return Limit((sRedCr[r] + sGreenCr[g] + sBlueCr[b] + 32768) >> 8);
    }
    static BYTE YCbCrtoR(BYTE y, BYTE /*cb*/, BYTE cr) { return Limit((sY[y] + sCrRed[cr]) >> 7); }
    static BYTE YCbCrtoG(BYTE y, BYTE cb, BYTE cr)
    {
        return Limit((sY[y] + sCrGreen[cr] + sCbGreen[cb]) >> 7);
    }
    static BYTE YCbCrtoB(BYTE y, BYTE cb, BYTE /*cr*/) { return Limit((sY[y] + sCbBlue[cb]) >> 7); }

    static void RGBtoYCbCr(const BYTE* rgb, BYTE* y, BYTE* cb, BYTE* cr);
    static void RGBtoYCbCr(const BYTE* rgb, unsigned short* y, unsigned short* cb, unsigned short* cr);
    static void RGBtoYCbCr(BYTE* data, ULONG width, ULONG height);
    static void YCbCrtoRGB(const BYTE* y, const BYTE* cb, const BYTE* cr, BYTE* rgb);
    static void YCbCrtoRGB(BYTE* data, ULONG width, ULONG height);
    static void YCbCrtoRGB2(const BYTE* y, const BYTE* cb, const BYTE* cr, BYTE* rgb);

    static BYTE GreytoColor(BYTE y) { return sGrey[y]; }

    static unsigned short MakeRgb555(BYTE r, BYTE g, BYTE b)
    {
        return static_cast<unsigned short>((r >> 3) << 10 | (g >> 3) << 5 | b >> 3);
    }
    static unsigned short MakeRgb565(BYTE r, BYTE g, BYTE b)
    {
        return static_cast<unsigned short>((r >> 3) << 11 | (g >> 2) << 5 | b >> 3);
    }

    static BYTE RGB16toR(unsigned short p, unsigned short mask, int shift) { return BYTE((p & mask) >> shift); }
    static BYTE RGB16toG(unsigned short p, unsigned short mask, int shift) { return BYTE((p & mask) >> shift); }
    static BYTE RGB16toB(unsigned short p, unsigned short mask, int shift) { return BYTE((p & mask) << shift); }
    static BYTE RGB16toY(unsigned short p, unsigned short rMask, int rShift, unsigned short gMask, int gShift,
                         unsigned short bMask, int bShift)
    {
        return RGBtoY(RGB16toR(p, rMask, rShift), RGB16toG(p, gMask, gShift), RGB16toB(p, bMask, bShift));
    }
    static BYTE RGB16toCb(unsigned short p, unsigned short rMask, int rShift, unsigned short gMask, int gShift,
                          unsigned short bMask, int bShift)
    {
        return RGBtoCb(RGB16toR(p, rMask, rShift), RGB16toG(p, gMask, gShift), RGB16toB(p, bMask, bShift));
    }
    static BYTE RGB16toCr(unsigned short p, unsigned short rMask, int rShift, unsigned short gMask, int gShift,
                          unsigned short bMask, int bShift)
    {
        return RGBtoCr(RGB16toR(p, rMask, rShift), RGB16toG(p, gMask, gShift), RGB16toB(p, bMask, bShift));
    }

    static BYTE RGB555toR(unsigned short p) { return RGB16toR(p, sRGB555RMask, sRGB555RShift); }
    static BYTE RGB555toG(unsigned short p) { return RGB16toG(p, sRGB555GMask, sRGB555GShift); }
    static BYTE RGB555toB(unsigned short p) { return RGB16toB(p, sRGB555BMask, sRGB555BShift); }
    static BYTE RGB565toR(unsigned short p) { return RGB16toR(p, sRGB565RMask, sRGB565RShift); }
    static BYTE RGB565toG(unsigned short p) { return RGB16toG(p, sRGB565GMask, sRGB565GShift); }
    static BYTE RGB565toB(unsigned short p) { return RGB16toB(p, sRGB565BMask, sRGB565BShift); }
    static BYTE RGB555toY(unsigned short p) { return RGBtoY(RGB555toR(p), RGB555toG(p), RGB555toB(p)); }
    static BYTE RGB555toCb(unsigned short p) { return RGBtoCb(RGB555toR(p), RGB555toG(p), RGB555toB(p)); }
    static BYTE RGB555toCr(unsigned short p) { return RGBtoCr(RGB555toR(p), RGB555toG(p), RGB555toB(p)); }
    static BYTE RGB565toY(unsigned short p) { return RGBtoY(RGB565toR(p), RGB565toG(p), RGB565toB(p)); }
    static BYTE RGB565toCb(unsigned short p) { return RGBtoCb(RGB565toR(p), RGB565toG(p), RGB565toB(p)); }
    static BYTE RGB565toCr(unsigned short p) { return RGBtoCr(RGB565toR(p), RGB565toG(p), RGB565toB(p)); }

    static bool GetTopDown(EColorFormat format, int height);
    static bool IsRgb(EColorFormat format);
    static bool IsYuv(EColorFormat format);
    static unsigned short GetColorDepth(EColorFormat format);
    static BYTE GetPixelSize(EColorFormat format);
    // Bytes per line; 32-bit so that wide frames do not overflow.
    static LONG GetLineSize(EColorFormat format, unsigned short width);
    static size_t GetImageSize(unsigned short bits, unsigned short width, unsigned short height);
    static size_t GetImageSize(EColorFormat format, unsigned short width, unsigned short height);

    static LONG sRedCy[256], sGreenCy[256], sBlueCy[256];
    static LONG sRedCb[256], sGreenCb[256], sBlueCb[256];
    static LONG sRedCr[256], sGreenCr[256], sBlueCr[256];
    static LONG sY[256], sCrRed[256], sCrGreen[256], sCbGreen[256], sCbBlue[256];
    static BYTE sGrey[256];
    static BYTE sClipingTable[1024];
    static BYTE* sCliping;
    static bool sInitialized;

    static const unsigned short sRGB555RMask = 0x7C00, sRGB555GMask = 0x03E0, sRGB555BMask = 0x001F;
    static const int sRGB555RShift = 7, sRGB555GShift = 2, sRGB555BShift = 3;
    static const unsigned short sRGB565RMask = 0xF800, sRGB565GMask = 0x07E0, sRGB565BMask = 0x001F;
    static const int sRGB565RShift = 8, sRGB565GShift = 3, sRGB565BShift = 3;
};
