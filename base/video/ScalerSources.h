#pragma once
// The input side of the scalers: readers of one input layout through X/Y map pairs, giving the
// values of an output position (see ScalerWalk.h for the two source shapes).
#include <cstddef>
#include <type_traits>

#include "CMemoryMap.h"
#include "UColorSpace.h"
#include "VideoRowKernels.h"

namespace ScalerSources {

// One sampling grid: output row i, column j -> input byte.
struct Grid {
    Grid(const CMemoryMap& x, const CMemoryMap& y) : xmap(&x), ymap(&y), cols(x.GetTable()) {}
    void Row(int i) { row = ymap->GetDataPtr(i); }
    const BYTE* At(int j) const { return row + cols[j]; }
    // Column j reads input byte j.
    bool Identity() const { return xmap->GetGap() == 1 && xmap->GetInputLength() == xmap->GetOutputLength(); }
    // The constant byte step between columns when the map is a whole-number decimation, else 0.
    long Stride() const
    {
        const unsigned in = xmap->GetInputLength(), out = xmap->GetOutputLength();
        return out && in % out == 0 && xmap->GetGap() > 0 ? long(in / out) * xmap->GetGap() : 0;
    }
    // Column j reads input byte j / 2.
    bool Doubled() const { return xmap->GetGap() == 1 && 2 * xmap->GetInputLength() == xmap->GetOutputLength(); }
    // The bytes of columns 0 .. n-1 in a row: the input itself when the grid is the identity.
    const BYTE* Gather(int n, BYTE* into) const
    {
        if (Identity())
            return row;
        // Restricted locals: the byte stores below could otherwise alias the table and the
        // grid and force a reload after each one.
        const BYTE* __restrict const from = row;
        const ptrdiff_t* __restrict const at = cols;
        BYTE* __restrict const to = into;
        int j = 0;
        for (; j + 4 <= n; j += 4) {
            const BYTE a = from[at[j]], b = from[at[j + 1]], c = from[at[j + 2]], d = from[at[j + 3]];
            to[j] = a;
            to[j + 1] = b;
            to[j + 2] = c;
            to[j + 3] = d;
        }
        for (; j < n; ++j)
            to[j] = from[at[j]];
        return into;
    }

    const CMemoryMap* xmap;
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
    // Writes the colours of columns 0 .. n-1 of the prepared row as B, G, R at bytes 0, 1, 2 of
    // pixels step bytes apart; scratch holds 3n bytes.
    void RgbRow(BYTE* out, int n, int step, BYTE* scratch) const
    {
        const BYTE* ys = y.Gather(n, scratch);
        if (u.Doubled() && v.Doubled())
            VideoRowKernels::YuvToRgb(ys, u.row, v.row, n, true, out, step);
        else
            VideoRowKernels::YuvToRgb(ys, u.Gather(n, scratch + n), v.Gather(n, scratch + 2 * n), n, false, out, step);
    }
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
    // Whole rows. Eight-bit inputs keep these sums inside the video range, so no clamping is
    // needed and the results equal UColorSpace's.
    void LumaRow(BYTE* y, int n, BYTE* /*scratch*/) const
    {
        int bytes;
        bool everyOther;
        if (Packed(luma, bytes, everyOther))
            return VideoRowKernels::RgbToLuma(luma.grid.row, bytes, everyOther, n, y);
        ForRow(luma, n, [y](int j, int r, int g, int b) { y[j] = BYTE((66 * r + 129 * g + 25 * b + 4096) >> 8); });
    }
    void ChromaRowInto(BYTE* u, BYTE* v, int n) const
    {
        int bytes;
        bool everyOther;
        if (Packed(chroma, bytes, everyOther))
            return VideoRowKernels::RgbToChroma(chroma.grid.row, bytes, everyOther, n, u, v);
        ForRow(chroma, n, [u, v](int k, int r, int g, int b) {
            u[k] = BYTE((-38 * r - 74 * g + 112 * b + 32768) >> 8);
            v[k] = BYTE((112 * r - 94 * g - 18 * b + 32768) >> 8);
        });
    }

    // B, G, R pixels of 3 or 4 bytes read whole or every other one, which the row kernels take.
    static bool Packed(const Pixels& p, int& bytes, bool& everyOther)
    {
        if constexpr (std::is_same_v<Pixels, RgbPixels>) {
            if (p.ro == 2 && p.go == 1 && p.bo == 0) {
                const long stride = p.grid.Stride();
                bytes = stride == 3 || stride == 6 ? 3 : 4;
                everyOther = stride == 6 || stride == 8;
                return stride == 3 || stride == 4 || stride == 6 || stride == 8;
            }
        }
        return false;
    }

    // Calls f(j, r, g, b) for columns 0 .. n-1.
    template <class F>
    static void ForRow(const Pixels& p, int n, F f)
    {
        for (int j = 0; j < n; ++j) {
            BYTE r, g, b;
            p.Rgb(j, r, g, b);
            f(j, r, g, b);
        }
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
