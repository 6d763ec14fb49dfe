#pragma once
// The input side of the scalers: readers of one input layout through X/Y map pairs, giving the
// values of an output position (see ScalerWalk.h for the two source shapes).
#include <cstddef>

#include "CMemoryMap.h"
#include "UColorSpace.h"

namespace ScalerSources {

// One sampling grid: output row i, column j -> input byte.
struct Grid {
    Grid(const CMemoryMap& x, const CMemoryMap& y) : ymap(&y), cols(x.GetTable()) {}
    void Row(int i) { row = ymap->GetDataPtr(i); }
    const BYTE* At(int j) const { return row + cols[j]; }

    const CMemoryMap* ymap;
    const ptrdiff_t* cols;
    const BYTE* row = nullptr;
};

// 24- and 32-bit RGB pixels.
struct RgbPixels {
    void Row(int i) { grid.Row(i); }
    void Rgb(int j, BYTE& r, BYTE& g, BYTE& b) const
    {
        const BYTE* p = grid.At(j);
        r = p[ro];
        g = p[go];
        b = p[bo];
    }
    BYTE Grey(int j) const
    {
        const BYTE* p = grid.At(j);
        return UColorSpace::RGBtoY(p[ro], p[go], p[bo]);
    }

    Grid grid;
    int ro, go, bo;
};

// 16-bit little-endian RGB words, 5-6-5 or 5-5-5.
struct Rgb16Pixels {
    Rgb16Pixels(const CMemoryMap& x, const CMemoryMap& y, bool rgb565) : grid(x, y)
    {
        if (rgb565) {
            rm = UColorSpace::sRGB565RMask; gm = UColorSpace::sRGB565GMask; bm = UColorSpace::sRGB565BMask;
            rs = UColorSpace::sRGB565RShift; gs = UColorSpace::sRGB565GShift; bs = UColorSpace::sRGB565BShift;
        } else {
            rm = UColorSpace::sRGB555RMask; gm = UColorSpace::sRGB555GMask; bm = UColorSpace::sRGB555BMask;
            rs = UColorSpace::sRGB555RShift; gs = UColorSpace::sRGB555GShift; bs = UColorSpace::sRGB555BShift;
        }
    }
    void Row(int i) { grid.Row(i); }
    unsigned short Word(int j) const
    {
        const BYTE* p = grid.At(j);
        return static_cast<unsigned short>(p[0] | p[1] << 8);
    }
    void Rgb(int j, BYTE& r, BYTE& g, BYTE& b) const
    {
        const unsigned short p = Word(j);
        r = UColorSpace::RGB16toR(p, rm, rs);
        g = UColorSpace::RGB16toG(p, gm, gs);
        b = UColorSpace::RGB16toB(p, bm, bs);
    }
    BYTE Grey(int j) const { return UColorSpace::RGB16toY(Word(j), rm, rs, gm, gs, bm, bs); }

    Grid grid;
    unsigned short rm, gm, bm;
    int rs, gs, bs;
};

// Palettised bytes looked up in the scaler's tables.
struct Rgb8Pixels {
    void Row(int i) { grid.Row(i); }
    void Rgb(int j, BYTE& r, BYTE& g, BYTE& b) const
    {
        const BYTE p = *grid.At(j);
        r = red[p];
        g = green[p];
        b = blue[p];
    }
    BYTE Grey(int j) const { return grey[*grid.At(j)]; }

    Grid grid;
    const BYTE* red;
    const BYTE* green;
    const BYTE* blue;
    const BYTE* grey;
};

// Y, U and V samples, each through its own grid.
struct YuvPixels {
    void Row(int i)
    {
        y.Row(i);
        u.Row(i);
        v.Row(i);
    }
    void Rgb(int j, BYTE& r, BYTE& g, BYTE& b) const
    {
        const BYTE yy = *y.At(j), uu = *u.At(j), vv = *v.At(j);
        r = UColorSpace::YCbCrtoR(yy, uu, vv);
        g = UColorSpace::YCbCrtoG(yy, uu, vv);
        b = UColorSpace::YCbCrtoB(yy, uu, vv);
    }
    BYTE Grey(int j) const { return *y.At(j); }
    // YUV-output shape.
    void LumaRow(int i) { y.Row(i); }
    BYTE Luma(int j) const { return *y.At(j); }
    void ChromaRow(int c)
    {
        u.Row(c);
        v.Row(c);
    }
    void Chroma(int k, BYTE& cb, BYTE& cr) const
    {
        cb = *u.At(k);
        cr = *v.At(k);
    }

    Grid y, u, v;
};

// A YUV-output source over an RGB-shaped one: luma at the Y resolution, chroma at the U one.
template <class Pixels>
struct RgbToYuv {
    void LumaRow(int i) { luma.Row(i); }
    BYTE Luma(int j) const
    {
        BYTE r, g, b;
        luma.Rgb(j, r, g, b);
        return UColorSpace::RGBtoY(r, g, b);
    }
    void ChromaRow(int c) { chroma.Row(c); }
    void Chroma(int k, BYTE& cb, BYTE& cr) const
    {
        BYTE r, g, b;
        chroma.Rgb(k, r, g, b);
        cb = UColorSpace::RGBtoCb(r, g, b);
        cr = UColorSpace::RGBtoCr(r, g, b);
    }

    Pixels luma;
    Pixels chroma;
};

}  // namespace ScalerSources
