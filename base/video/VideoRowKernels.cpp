#include "VideoRowKernels.h"

#include <algorithm>
#include <cstring>

#include "UColorSpace.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define MV_HAVE_AVX2_KERNELS 1
#endif

// The vector forms stay in 16 bits and stay exact: with y' = y - 16, u' = u - 128, v' = v - 128 and
// t = 21 y', 149 y' = 128 y' + t and 258 u' = 256 u' + 2 u', so
//   R = y' + ((t + 204 v') >> 7), G = y' + ((t - 104 v' - 50 u') >> 7), B = y' + 2 u' + ((t + 2 u') >> 7),
// every intermediate fits in 16 bits, and saturating to bytes is UColorSpace::Limit.

namespace VideoRowKernels {

namespace {

// RGB to YCbCr weights; 32768 as a 16-bit lane is -32768.
constexpr short kYr = 66, kYg = 129, kYb = 25, kYBias = 4096;
constexpr short kUr = -38, kUg = -74, kUb = 112, kVr = 112, kVg = -94, kVb = -18, kCBias = short(-32768);

uint32_t Bgrx(BYTE y, BYTE u, BYTE v)
{
    return uint32_t(UColorSpace::YCbCrtoB(y, u, v)) | uint32_t(UColorSpace::YCbCrtoG(y, u, v)) << 8 |
           uint32_t(UColorSpace::YCbCrtoR(y, u, v)) << 16;
}

#if defined(__SSE2__)

// Eight pixels: widened samples in, B, G, R, 0 dwords out (pixels 0-3 in lo, 4-7 in hi).
void Convert8(__m128i ys, __m128i us, __m128i vs, __m128i& lo, __m128i& hi)
{
    const __m128i t = _mm_mullo_epi16(ys, _mm_set1_epi16(21));
    const __m128i u2 = _mm_add_epi16(us, us);
    const __m128i r = _mm_add_epi16(ys, _mm_srai_epi16(_mm_add_epi16(t, _mm_mullo_epi16(vs, _mm_set1_epi16(204))), 7));
    const __m128i gx = _mm_add_epi16(_mm_mullo_epi16(vs, _mm_set1_epi16(-104)), _mm_mullo_epi16(us, _mm_set1_epi16(-50)));
    const __m128i g = _mm_add_epi16(ys, _mm_srai_epi16(_mm_add_epi16(t, gx), 7));
    const __m128i b = _mm_add_epi16(_mm_add_epi16(ys, u2), _mm_srai_epi16(_mm_add_epi16(t, u2), 7));
    const __m128i zero = _mm_setzero_si128();
    const __m128i bg = _mm_unpacklo_epi8(_mm_packus_epi16(b, b), _mm_packus_epi16(g, g));
    const __m128i r0 = _mm_unpacklo_epi8(_mm_packus_epi16(r, r), zero);
    lo = _mm_unpacklo_epi16(bg, r0);
    hi = _mm_unpackhi_epi16(bg, r0);
}

// Eight 8-bit values widened to 16 bits, less an offset.
__m128i Widen(const BYTE* p, __m128i offset)
{
    const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
    return _mm_sub_epi16(_mm_unpacklo_epi8(bytes, _mm_setzero_si128()), offset);
}

// Four chroma samples, each widened for two pixels, less 128.
__m128i WidenDoubled(const BYTE* p)
{
    const __m128i four = _mm_cvtsi32_si128(int(p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24));
    return _mm_sub_epi16(_mm_unpacklo_epi8(_mm_unpacklo_epi8(four, four), _mm_setzero_si128()),
                         _mm_set1_epi16(128));
}

#endif

#if defined(MV_HAVE_AVX2_KERNELS)

// Sixteen pixels, written as B, G, R straight into 24-bit pixels or 32-bit pixels whose fourth byte
// is kept; returns how many were done.
__attribute__((target("avx2"))) int YuvToRgbAvx2(const BYTE* y, const BYTE* u, const BYTE* v, int n,
                                                 bool halfChroma, BYTE* out, int step)
{
    const __m256i k16 = _mm256_set1_epi16(16), k128 = _mm256_set1_epi16(128), zero = _mm256_setzero_si256();
    const __m256i k21 = _mm256_set1_epi16(21), k204 = _mm256_set1_epi16(204);
    const __m256i km104 = _mm256_set1_epi16(-104), km50 = _mm256_set1_epi16(-50);
    const __m256i keep = _mm256_set1_epi32(int(0xFF000000u));
    const __m128i pack = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    int j = 0;
    for (; j + 16 <= n; j += 16) {
        __m128i u16, v16;
        if (halfChroma) {
            const __m128i u8 = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(u + j / 2));
            const __m128i v8 = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(v + j / 2));
            u16 = _mm_unpacklo_epi8(u8, u8);
            v16 = _mm_unpacklo_epi8(v8, v8);
        } else {
            u16 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(u + j));
            v16 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(v + j));
        }
        const __m256i ys =
            _mm256_sub_epi16(_mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(y + j))), k16);
        const __m256i us = _mm256_sub_epi16(_mm256_cvtepu8_epi16(u16), k128);
        const __m256i vs = _mm256_sub_epi16(_mm256_cvtepu8_epi16(v16), k128);
        const __m256i t = _mm256_mullo_epi16(ys, k21);
        const __m256i u2 = _mm256_add_epi16(us, us);
        const __m256i r =
            _mm256_add_epi16(ys, _mm256_srai_epi16(_mm256_add_epi16(t, _mm256_mullo_epi16(vs, k204)), 7));
        const __m256i gx = _mm256_add_epi16(_mm256_mullo_epi16(vs, km104), _mm256_mullo_epi16(us, km50));
        const __m256i g = _mm256_add_epi16(ys, _mm256_srai_epi16(_mm256_add_epi16(t, gx), 7));
        const __m256i b = _mm256_add_epi16(_mm256_add_epi16(ys, u2), _mm256_srai_epi16(_mm256_add_epi16(t, u2), 7));
        const __m256i bg = _mm256_unpacklo_epi8(_mm256_packus_epi16(b, b), _mm256_packus_epi16(g, g));
        const __m256i r0 = _mm256_unpacklo_epi8(_mm256_packus_epi16(r, r), zero);
        const __m256i lo = _mm256_unpacklo_epi16(bg, r0);  // pixels 0-3 | 8-11
        const __m256i hi = _mm256_unpackhi_epi16(bg, r0);  // pixels 4-7 | 12-15
        BYTE* o = out + ptrdiff_t(j) * step;
        if (step == 4) {
            const __m256i first = _mm256_permute2x128_si256(lo, hi, 0x20);
            const __m256i second = _mm256_permute2x128_si256(lo, hi, 0x31);
            __m256i* p0 = reinterpret_cast<__m256i*>(o);
            __m256i* p1 = reinterpret_cast<__m256i*>(o + 32);
            _mm256_storeu_si256(p0, _mm256_or_si256(_mm256_and_si256(_mm256_loadu_si256(p0), keep), first));
            _mm256_storeu_si256(p1, _mm256_or_si256(_mm256_and_si256(_mm256_loadu_si256(p1), keep), second));
        } else {
            const __m128i q[4] = {_mm256_castsi256_si128(lo), _mm256_castsi256_si128(hi),
                                  _mm256_extracti128_si256(lo, 1), _mm256_extracti128_si256(hi, 1)};
            for (int k = 0; k < 3; ++k)
                _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 12 * k), _mm_shuffle_epi8(q[k], pack));
            // A 24-bit store writes 16 bytes for 12: the last one of the row writes 12 exactly.
            const __m128i last = _mm_shuffle_epi8(q[3], pack);
            if (j + 18 <= n) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 36), last);
            } else {
                _mm_storel_epi64(reinterpret_cast<__m128i*>(o + 36), last);
                const int tail = _mm_extract_epi32(last, 2);
                std::memcpy(o + 44, &tail, 4);
            }
        }
    }
    return j;
}

bool HasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

bool HasSsse3()
{
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

// Byte shuffles that gather channel c of pixels 0-15 out of the 16-byte chunk k of 16 pixels of
// S bytes each (S = 3 or 4); lanes of other chunks stay zero.
struct ChannelShuffles {
    explicit ChannelShuffles(int s)
    {
        for (int k = 0; k < s; ++k)
            for (int c = 0; c < 3; ++c)
                for (int i = 0; i < 16; ++i) {
                    const int at = s * i + c - 16 * k;
                    mask[k][c][i] = at >= 0 && at < 16 ? char(at) : char(-128);
                }
    }
    alignas(16) char mask[4][3][16];
};

// Sixteen pixels of S bytes widened to 16-bit B, G, R: pixels 0-7 in lo, 8-15 in hi.
template <int S>
__attribute__((target("ssse3"))) inline void Load16(const BYTE* p, __m128i (&lo)[3], __m128i (&hi)[3])
{
    static const ChannelShuffles shuffles(S);
    __m128i ch[3] = {_mm_setzero_si128(), _mm_setzero_si128(), _mm_setzero_si128()};
    for (int k = 0; k < S; ++k) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
        for (int c = 0; c < 3; ++c)
            ch[c] = _mm_or_si128(ch[c], _mm_shuffle_epi8(chunk, _mm_load_si128(
                                                                   reinterpret_cast<const __m128i*>(shuffles.mask[k][c]))));
    }
    const __m128i zero = _mm_setzero_si128();
    for (int c = 0; c < 3; ++c) {
        lo[c] = _mm_unpacklo_epi8(ch[c], zero);
        hi[c] = _mm_unpackhi_epi8(ch[c], zero);
    }
}

// (kr R + kg G + kb B + bias) >> 8 of 16-bit B, G, R; the sums leave 16 bits only on the way, as
// every result lies in 0 .. 65535, so wrapping arithmetic gives them exactly.
__attribute__((target("ssse3"))) inline __m128i Weigh(const __m128i (&bgr)[3], short kr, short kg, short kb,
                                                       short bias)
{
    __m128i sum = _mm_add_epi16(_mm_mullo_epi16(bgr[2], _mm_set1_epi16(kr)), _mm_mullo_epi16(bgr[1], _mm_set1_epi16(kg)));
    sum = _mm_add_epi16(sum, _mm_mullo_epi16(bgr[0], _mm_set1_epi16(kb)));
    return _mm_srli_epi16(_mm_add_epi16(sum, _mm_set1_epi16(bias)), 8);
}

// Sixteen weighed pixels as bytes, or the eight even ones in the low half.
__attribute__((target("ssse3"))) inline __m128i Bytes(__m128i lo, __m128i hi, bool everyOther)
{
    const __m128i all = _mm_packus_epi16(lo, hi);
    if (!everyOther) return all;
    const __m128i even = _mm_and_si128(all, _mm_set1_epi16(0x00FF));
    return _mm_packus_epi16(even, even);
}

// Every or every other pixel of 16 at a time; returns how many outputs were written.
template <int S>
__attribute__((target("ssse3"))) int RgbToLumaSsse3(const BYTE* bgr, bool everyOther, int n, BYTE* y)
{
    const int per = everyOther ? 8 : 16;
    int j = 0;
    for (; j + per <= n; j += per, bgr += 16 * S) {
        __m128i lo[3], hi[3];
        Load16<S>(bgr, lo, hi);
        const __m128i out = Bytes(Weigh(lo, kYr, kYg, kYb, kYBias), Weigh(hi, kYr, kYg, kYb, kYBias), everyOther);
        if (everyOther)
            _mm_storel_epi64(reinterpret_cast<__m128i*>(y + j), out);
        else
            _mm_storeu_si128(reinterpret_cast<__m128i*>(y + j), out);
    }
    return j;
}

template <int S>
__attribute__((target("ssse3"))) int RgbToChromaSsse3(const BYTE* bgr, bool everyOther, int n, BYTE* u, BYTE* v)
{
    const int per = everyOther ? 8 : 16;
    int j = 0;
    for (; j + per <= n; j += per, bgr += 16 * S) {
        __m128i lo[3], hi[3];
        Load16<S>(bgr, lo, hi);
        const __m128i us = Bytes(Weigh(lo, kUr, kUg, kUb, kCBias), Weigh(hi, kUr, kUg, kUb, kCBias), everyOther);
        const __m128i vs = Bytes(Weigh(lo, kVr, kVg, kVb, kCBias), Weigh(hi, kVr, kVg, kVb, kCBias), everyOther);
        if (everyOther) {
            _mm_storel_epi64(reinterpret_cast<__m128i*>(u + j), us);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(v + j), vs);
        } else {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(u + j), us);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(v + j), vs);
        }
    }
    return j;
}

#endif

}  // namespace

void YuvToBgrx(const BYTE* y, const BYTE* u, const BYTE* v, int n, bool halfChroma, uint32_t* bgrx)
{
    int j = 0;
#if defined(__SSE2__)
    const __m128i k16 = _mm_set1_epi16(16), k128 = _mm_set1_epi16(128);
    for (; j + 8 <= n; j += 8) {
        const __m128i us = halfChroma ? WidenDoubled(u + j / 2) : Widen(u + j, k128);
        const __m128i vs = halfChroma ? WidenDoubled(v + j / 2) : Widen(v + j, k128);
        __m128i lo, hi;
        Convert8(Widen(y + j, k16), us, vs, lo, hi);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(bgrx + j), lo);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(bgrx + j + 4), hi);
    }
#endif
    for (; j < n; ++j) {
        const int c = halfChroma ? j / 2 : j;
        bgrx[j] = Bgrx(y[j], u[c], v[c]);
    }
}

void YuvToRgb(const BYTE* y, const BYTE* u, const BYTE* v, int n, bool halfChroma, BYTE* out, int step)
{
    int j = 0;
#if defined(MV_HAVE_AVX2_KERNELS)
    if (HasAvx2())
        j = YuvToRgbAvx2(y, u, v, n, halfChroma, out, step);
#endif
    // The rest in chunks through a small colour buffer.
    uint32_t bgrx[256];
    while (j < n) {
        const int count = std::min(n - j, 256);
        if (halfChroma && j % 2 == 0) {
            YuvToBgrx(y + j, u + j / 2, v + j / 2, count, true, bgrx);
        } else {
            for (int k = 0; k < count; ++k) {
                const int c = halfChroma ? (j + k) / 2 : j + k;
                bgrx[k] = Bgrx(y[j + k], u[c], v[c]);
            }
        }
        for (int k = 0; k < count; ++k) {
            BYTE* o = out + ptrdiff_t(j + k) * step;
            o[0] = BYTE(bgrx[k]);
            o[1] = BYTE(bgrx[k] >> 8);
            o[2] = BYTE(bgrx[k] >> 16);
        }
        j += count;
    }
}

void RgbToLuma(const BYTE* bgr, int pixelBytes, bool everyOther, int n, BYTE* y)
{
    int j = 0;
#if defined(MV_HAVE_AVX2_KERNELS)
    if (HasSsse3())
        j = pixelBytes == 3 ? RgbToLumaSsse3<3>(bgr, everyOther, n, y) : RgbToLumaSsse3<4>(bgr, everyOther, n, y);
#endif
    const ptrdiff_t step = ptrdiff_t(pixelBytes) * (everyOther ? 2 : 1);
    for (const BYTE* p = bgr + j * step; j < n; ++j, p += step)
        y[j] = BYTE((kYr * p[2] + kYg * p[1] + kYb * p[0] + kYBias) >> 8);
}

void RgbToChroma(const BYTE* bgr, int pixelBytes, bool everyOther, int n, BYTE* u, BYTE* v)
{
    int j = 0;
#if defined(MV_HAVE_AVX2_KERNELS)
    if (HasSsse3())
        j = pixelBytes == 3 ? RgbToChromaSsse3<3>(bgr, everyOther, n, u, v)
                            : RgbToChromaSsse3<4>(bgr, everyOther, n, u, v);
#endif
    const ptrdiff_t step = ptrdiff_t(pixelBytes) * (everyOther ? 2 : 1);
    for (const BYTE* p = bgr + j * step; j < n; ++j, p += step) {
        u[j] = BYTE((kUr * p[2] + kUg * p[1] + kUb * p[0] + 32768) >> 8);
        v[j] = BYTE((kVr * p[2] + kVg * p[1] + kVb * p[0] + 32768) >> 8);
    }
}

}  // namespace VideoRowKernels
