#pragma once
// The per-pixel walks every scaler shares: the output side (rows, pairs, 4:2:0 quads, the
// mask) is here; a scaler supplies a source that yields the values of an output position.
//
// A source for RGB outputs has Row(i), Rgb(j, r, g, b) and Grey(j); a source for YUV outputs has
// LumaRow(i), Luma(j), ChromaRow(c) and Chroma(k, u, v), read through the maps of the matching
// resolution.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "CVideoScaler.h"
#include "UColorSpace.h"
#include "YuvLayout.h"

namespace ScalerWalk {

// Calls pixel(out, j) for every column j of every output row whose mask byte is set (every
// column when useMask is false); row(i) prepares the sources of row i.
template <class Row, class Pixel>
void Pixels(CVideoScaler& s, BYTE* out, ptrdiff_t outLine, int outStep, bool useMask, Row row, Pixel pixel)
{
    const int h = s.GetOutputHeight(), w = s.GetOutputWidth();
    const ptrdiff_t* maskColumns = s.GetMaskColumns();
    for (int i = 0; i < h; ++i, out += outLine) {
        row(i);
        const BYTE* mask = useMask ? s.GetMaskRow(i) : nullptr;
        BYTE* o = out;
        if (mask) {
            for (int j = 0; j < w; ++j, o += outStep)
                if (mask[maskColumns[j]])
                    pixel(o, j);
        } else {
            for (int j = 0; j < w; ++j, o += outStep)
                pixel(o, j);
        }
    }
}

// The subsets of RGB channels an RGB output can take.
enum class Channels { Rgb, R, GB, Rg, Bg, Rb, Gb };

// The channel subset of an output format (103-107 all three).
inline Channels ChannelsOf(int format)
{
    if (format < 3000)
        return Channels::Rgb;
    static const Channels kByDigit[6] = {Channels::Rg, Channels::Bg, Channels::Rb,
                                         Channels::Gb, Channels::R,  Channels::GB};
    return kByDigit[format % 10];
}

using RgbOffsets = CVideoScaler::RgbOffsets;

// Writes r, g, b into a pixel as the channel subset asks.
// Calls the operation of table (in the order of Channels) that the output format picks.
template <class S>
void Dispatch(S& s, int format, void (S::*const (&table)[7])())
{
    (s.*table[int(ChannelsOf(format))])();
}

template <Channels C>
inline void Put(BYTE* o, const RgbOffsets& at, BYTE r, BYTE g, BYTE b, bool fullGInRg)
{
    if constexpr (C == Channels::Rgb) {
        o[at.r] = r; o[at.g] = g; o[at.b] = b;
    } else if constexpr (C == Channels::R) {
        o[at.r] = r;
    } else if constexpr (C == Channels::GB) {
        o[at.g] = g; o[at.b] = b;
    } else if constexpr (C == Channels::Rg) {
        o[at.r] = r; o[at.g] = fullGInRg ? g : BYTE(g / 2);
    } else if constexpr (C == Channels::Rb) {
        o[at.r] = r; o[at.b] = BYTE(b / 2);
    } else if constexpr (C == Channels::Bg) {
        o[at.b] = b; o[at.g] = BYTE(o[at.g] + g / 2);  // wraps by design
    } else {
        o[at.g] = g; o[at.b] = BYTE(o[at.b] + b / 2);
    }
}

// The rules that differ between the RGB-output scalers.
struct RgbRules {
    bool maskAll = true;        // the mask applies to every subset ...
    bool maskRgbOnly = false;   // ... or only to the full RGB write
    bool maskNotRGB = false;    // ... or to all but the R and GB subsets
    bool fullGInRg = false;     // the Rg subset writes G whole
};

template <class Source>
concept RowSource = requires(const Source& s, BYTE* out, BYTE* scratch) { s.RgbRow(out, 0, 3, scratch); };

template <Channels C, class Source>
void RgbVariant(CVideoScaler& s, Source& src, BYTE* out, ptrdiff_t line, int step, const RgbOffsets& at,
                bool useMask, bool grey, bool fullG)
{
    auto row = [&](int i) { src.Row(i); };
    if constexpr (C == Channels::Rgb && RowSource<Source>) {
        // Whole rows for the usual B, G, R byte order.
        if (!grey && (!useMask || !s.HasMask()) && at.r == 2 && at.g == 1 && at.b == 0 && (step == 3 || step == 4)) {
            const int h = s.GetOutputHeight(), w = s.GetOutputWidth();
            BYTE* scratch = s.Scratch(size_t(w) * 3);
            for (int i = 0; i < h; ++i, out += line) {
                src.Row(i);
                src.RgbRow(out, w, step, scratch);
            }
            return;
        }
    }
    if (grey) {
        Pixels(s, out, line, step, useMask, row, [&](BYTE* o, int j) {
            const BYTE y = src.Grey(j);
            Put<C>(o, at, y, y, y, fullG);
        });
    } else {
        Pixels(s, out, line, step, useMask, row, [&](BYTE* o, int j) {
            BYTE r, g, b;
            src.Rgb(j, r, g, b);
            Put<C>(o, at, r, g, b, fullG);
        });
    }
}

template <class Source>
void RgbOutput(CVideoScaler& s, Source& src, BYTE* out, ptrdiff_t line, int step, const RgbOffsets& at,
               Channels c, bool grey, const RgbRules& rules)
{
    bool mask = rules.maskAll;
    if (rules.maskRgbOnly)
        mask = c == Channels::Rgb;
    if (rules.maskNotRGB)
        mask = c != Channels::R && c != Channels::GB;
    switch (c) {
    case Channels::Rgb: RgbVariant<Channels::Rgb>(s, src, out, line, step, at, mask, grey, rules.fullGInRg); break;
    case Channels::R: RgbVariant<Channels::R>(s, src, out, line, step, at, mask, grey, rules.fullGInRg); break;
    case Channels::GB: RgbVariant<Channels::GB>(s, src, out, line, step, at, mask, grey, rules.fullGInRg); break;
    case Channels::Rg: RgbVariant<Channels::Rg>(s, src, out, line, step, at, mask, grey, rules.fullGInRg); break;
    case Channels::Bg: RgbVariant<Channels::Bg>(s, src, out, line, step, at, mask, grey, rules.fullGInRg); break;
    case Channels::Rb: RgbVariant<Channels::Rb>(s, src, out, line, step, at, mask, grey, rules.fullGInRg); break;
    case Channels::Gb: RgbVariant<Channels::Gb>(s, src, out, line, step, at, mask, grey, rules.fullGInRg); break;
    }
}

using YuvTarget = CVideoScaler::YuvTarget;

template <class Source>
concept LumaRowSource = requires(const Source& s, BYTE* y, BYTE* scratch) { s.LumaRow(y, 0, scratch); };

// Luma of a whole row written bytewise: true when the source and the layout allow it.
template <class Source>
bool LumaRowInto(CVideoScaler& s, Source& src, int i, BYTE* out, int step, bool useMask, int w)
{
    if constexpr (LumaRowSource<Source>) {
        if (step == 1 && (!useMask || !s.HasMask())) {
            src.LumaRow(i);
            src.LumaRow(out, w, s.Scratch(size_t(w) * 3));
            return true;
        }
    }
    return false;
}

template <class Source>
void Luma(CVideoScaler& s, Source& src, BYTE* out, ptrdiff_t line, int step, bool useMask, bool twoBytes)
{
    const int w = s.GetOutputWidth();
    if (!twoBytes && LumaRowInto(s, src, 0, out, step, useMask, w)) {
        for (int i = 1; i < s.GetOutputHeight(); ++i)
            LumaRowInto(s, src, i, out + i * line, step, useMask, w);
        return;
    }
    auto row = [&](int i) { src.LumaRow(i); };
    if (twoBytes)
        Pixels(s, out, line, step, useMask, row, [&](BYTE* o, int j) { o[0] = o[1] = src.Luma(j); });
    else
        Pixels(s, out, line, step, useMask, row, [&](BYTE* o, int j) { o[0] = src.Luma(j); });
}

template <class Source>
void Yuv444(CVideoScaler& s, Source& src, const YuvTarget& t)
{
    const int h = s.GetOutputHeight(), w = s.GetOutputWidth();
    const ptrdiff_t* mc = s.GetMaskColumns();
    for (int i = 0; i < h; ++i) {
        src.LumaRow(i);
        src.ChromaRow(i);
        const BYTE* mask = t.useMask ? s.GetMaskRow(i) : nullptr;
        BYTE* y = t.y + i * t.yLine;
        BYTE* u = t.u + i * t.uLine;
        BYTE* v = t.v + i * t.vLine;
        for (int j = 0; j < w; ++j, y += t.yStep, u += t.uStep, v += t.vStep) {
            const bool on = !mask || mask[mc[j]];
            if (on)
                *y = src.Luma(j);
            if (t.grey) {
                *u = t.greyU;
                *v = t.greyV;
            } else if (on) {
                src.Chroma(j, *u, *v);
            }
        }
    }
}

template <class Source>
void Yuv422(CVideoScaler& s, Source& src, const YuvTarget& t)
{
    const int h = s.GetOutputHeight(), pairs = s.GetOutputWidth() / 2;
    const ptrdiff_t* mc = s.GetMaskColumns();
    for (int i = 0; i < h; ++i) {
        src.LumaRow(i);
        src.ChromaRow(i);
        const BYTE* mask = t.useMask ? s.GetMaskRow(i) : nullptr;
        BYTE* y = t.y + i * t.yLine;
        BYTE* u = t.u + i * t.uLine;
        BYTE* v = t.v + i * t.vLine;
        for (int k = 0; k < pairs; ++k, y += 2 * t.yStep, u += t.uStep, v += t.vStep) {
            const bool on0 = !mask || mask[mc[2 * k]];
            if (on0)
                y[0] = src.Luma(2 * k);
            if (!mask || mask[mc[2 * k + 1]])
                y[t.yStep] = src.Luma(2 * k + 1);
            if (t.grey) {
                *u = t.greyU;
                *v = t.greyV;
            } else if (on0) {
                src.Chroma(k, *u, *v);
            }
        }
    }
}

template <class Source>
void Yuv420(CVideoScaler& s, Source& src, const YuvTarget& t)
{
    const int rows = s.GetOutputHeight() / 2, pairs = s.GetOutputWidth() / 2, w = 2 * pairs;
    const ptrdiff_t* mc = s.GetMaskColumns();
    for (int c = 0; c < rows; ++c) {
        for (int half = 0; half < 2; ++half) {
            const int i = 2 * c + half;
            if (LumaRowInto(s, src, i, t.y + i * t.yLine, t.yStep, t.useMask, w))
                continue;
            src.LumaRow(i);
            const BYTE* mask = t.useMask ? s.GetMaskRow(i) : nullptr;
            BYTE* y = t.y + i * t.yLine;
            for (int j = 0; j < w; ++j, y += t.yStep)
                if (!mask || mask[mc[j]])
                    *y = src.Luma(j);
        }
        src.ChromaRow(c);
        BYTE* u = t.u + c * t.uLine;
        BYTE* v = t.v + c * t.vLine;
        if constexpr (requires { src.ChromaRowInto(u, v, pairs); }) {
            if (!t.grey && t.uStep == 1 && t.vStep == 1 && (!t.useMask || !s.HasMask())) {
                src.ChromaRowInto(u, v, pairs);
                continue;
            }
        }
        const BYTE* mask = t.useMask && !t.grey ? s.GetMaskRow(2 * c) : nullptr;
        for (int k = 0; k < pairs; ++k, u += t.uStep, v += t.vStep) {
            if (t.grey) {
                *u = t.greyU;
                *v = t.greyV;
            } else if (!mask || mask[mc[2 * k + t.chromaMaskColumn]]) {
                src.Chroma(k, *u, *v);
            }
        }
    }
}

}  // namespace ScalerWalk

namespace ScalerWalk {

// Writes a YUV or luma output in the given layout; 4:1:0 gets its borders only.
template <class Source>
void WalkYuv(CVideoScaler& s, Source& src, const YuvTarget& t, EYuvLayout layout)
{
    switch (layout) {
    case kYuvLayout444: Yuv444(s, src, t); break;
    case kYuvLayout422: Yuv422(s, src, t); break;
    case kYuvLayout420: Yuv420(s, src, t); break;
    case kYuvLayoutLuma: Luma(s, src, t.y, t.yLine, t.yStep, t.useMask, false); break;
    case kYuvLayoutLuma2: Luma(s, src, t.y, t.yLine, t.yStep, t.useMask, true); break;
    default: break;
    }
}

}  // namespace ScalerWalk

namespace ScalerWalk {

inline void PutWord(BYTE* o, unsigned short w)
{
    o[0] = BYTE(w);
    o[1] = BYTE(w >> 8);
}

// 16-bit output words computed by word(j) from a source prepared by row(i).
template <class Row, class Word>
void Words(CVideoScaler& s, BYTE* out, ptrdiff_t line, bool useMask, Row row, Word word)
{
    Pixels(s, out, line, 2, useMask, row, [&](BYTE* o, int j) { PutWord(o, word(j)); });
}

// 16-bit output packed from an RGB-shaped source; expandGrey turns a video-range grey (luma)
// into a full-range one first.
template <class Source>
void Rgb16Output(CVideoScaler& s, Source& src, BYTE* out, ptrdiff_t line, bool rgb565, bool grey, bool expandGrey)
{
    auto pack = rgb565 ? &UColorSpace::MakeRgb565 : &UColorSpace::MakeRgb555;
    auto row = [&](int i) { src.Row(i); };
    if (grey) {
        Words(s, out, line, true, row, [&](int j) {
            const BYTE y = expandGrey ? UColorSpace::GreytoColor(src.Grey(j)) : src.Grey(j);
            return pack(y, y, y);
        });
    } else {
        Words(s, out, line, true, row, [&](int j) {
            BYTE r, g, b;
            src.Rgb(j, r, g, b);
            return pack(r, g, b);
        });
    }
}

}  // namespace ScalerWalk
