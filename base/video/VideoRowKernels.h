#pragma once
// Whole-row colour arithmetic for the scalers' common cases, in SIMD where the machine has it.
// Results are exactly those of UColorSpace's per-pixel formulas.
#include <cstdint>

#include "win32/WinTypes.h"

namespace VideoRowKernels {

// bgrx[j] = B | G << 8 | R << 16 of the pixel (y[j], u[c], v[c]), where c = j for full-rate
// chroma and j / 2 for half-rate chroma.
void YuvToBgrx(const BYTE* y, const BYTE* u, const BYTE* v, int n, bool halfChroma, uint32_t* bgrx);

// The same colours written as B, G, R at bytes 0, 1, 2 of pixels step (3 or 4) bytes apart; a
// fourth byte is left as it is.
void YuvToRgb(const BYTE* y, const BYTE* u, const BYTE* v, int n, bool halfChroma, BYTE* out, int step);

// Luma of n pixels of B, G, R at bytes 0, 1, 2, pixels pixelBytes (3 or 4) apart, taking every
// pixel or every other one of 2n (stride 2 pixelBytes): y[j] = (66 R + 129 G + 25 B + 4096) >> 8.
void RgbToLuma(const BYTE* bgr, int pixelBytes, bool everyOther, int n, BYTE* y);

// Cb and Cr of n pixels read the same way: (-38 R - 74 G + 112 B + 32768) >> 8 and
// (112 R - 94 G - 18 B + 32768) >> 8.
void RgbToChroma(const BYTE* bgr, int pixelBytes, bool everyOther, int n, BYTE* u, BYTE* v);

}  // namespace VideoRowKernels
