// The row kernels and the whole-row paths give exactly what the per-pixel formulas give.
#include <gtest/gtest.h>

#include <vector>

#include "CVideoConverter.h"
#include "UColorSpace.h"
#include "VideoRowKernels.h"

namespace {

// Every luma with every Cb against edge and middle Cr values, and the other way round; the odd
// length leaves a tail after the vector loops.
struct Samples {
    Samples()
    {
        const BYTE edges[] = {0, 1, 2, 64, 127, 128, 129, 200, 254, 255};
        for (int a = 0; a < 256; ++a)
            for (int b = 0; b < 256; ++b)
                for (BYTE e : edges) {
                    Add(BYTE(a), BYTE(b), e);
                    Add(BYTE(a), e, BYTE(b));
                }
        Add(7, 7, 7);
    }
    void Add(BYTE yy, BYTE uu, BYTE vv)
    {
        y.push_back(yy);
        u.push_back(uu);
        v.push_back(vv);
    }
    std::vector<BYTE> y, u, v;
};

}  // namespace

TEST(VideoRowKernels, EveryPathMatchesThePixelFormulas)
{
    const Samples s;
    const int n = int(s.y.size());
    for (bool half : {false, true}) {
        std::vector<uint32_t> bgrx(static_cast<size_t>(n));
        VideoRowKernels::YuvToBgrx(s.y.data(), s.u.data(), s.v.data(), n, half, bgrx.data());
        for (int step : {3, 4}) {
            std::vector<BYTE> out(size_t(n) * size_t(step), 0xA5);
            VideoRowKernels::YuvToRgb(s.y.data(), s.u.data(), s.v.data(), n, half, out.data(), step);
            for (int j = 0; j < n; ++j) {
                const size_t c = size_t(half ? j / 2 : j);
                const BYTE yy = s.y[size_t(j)], uu = s.u[c], vv = s.v[c];
                const BYTE b = UColorSpace::YCbCrtoB(yy, uu, vv), g = UColorSpace::YCbCrtoG(yy, uu, vv),
                           r = UColorSpace::YCbCrtoR(yy, uu, vv);
                const BYTE* o = &out[size_t(j) * size_t(step)];
                ASSERT_EQ(bgrx[size_t(j)], b | g << 8 | uint32_t(r) << 16) << j << " half " << half;
                ASSERT_EQ(o[0], b) << j;
                ASSERT_EQ(o[1], g) << j;
                ASSERT_EQ(o[2], r) << j;
                if (step == 4) {
                    ASSERT_EQ(o[3], 0xA5) << j;
                }
            }
        }
    }
}

// A mask of ones forces the per-pixel walk; the whole-row walk must write the same bytes.
TEST(VideoRowKernels, WholeRowPathsEqualThePerPixelWalk)
{
    struct Case {
        EColorFormat in, out;
        unsigned short iw, ih, ow, oh;
    } cases[] = {
        {kColorI420, kColorRgb24, 18, 6, 18, 6},  {kColorI420, kColorRgb32, 18, 6, 9, 5},
        {kColorYuy2, kColorArgb32, 22, 4, 11, 4}, {kColorYv12, kColorRgbx32, 16, 4, 16, 4},
        {kColorRgb24, kColorYv12, 17, 6, 17, 6},  {kColorRgb32, kColorLuma, 20, 3, 13, 3},
        {kColorAyuv, kColorXbgr32, 9, 9, 9, 9},   {kColorRgb24, kColorI420, 19, 7, 19, 7},
        {kColorRgb24, kColorYv12, 70, 6, 70, 6},  {kColorRgb32, kColorI420, 70, 4, 70, 4},
        {kColorRgb24, kColorI420, 140, 4, 70, 4}, {kColorRgb32, kColorYv12, 136, 4, 68, 2},
    };
    for (const Case& c : cases) {
        std::vector<BYTE> in(CVideoConverter::GetBufferSize(c.in, c.iw, c.ih));
        for (size_t i = 0; i < in.size(); ++i)
            in[i] = BYTE(i * 29 + i / 7);
        std::vector<BYTE> ones(size_t(c.iw) * c.ih, 1);
        std::vector<BYTE> fast(CVideoConverter::GetBufferSize(c.out, c.ow, c.oh), 0x5A), slow = fast;
        CVideoConverter a, b;
        for (CVideoConverter* conv : {&a, &b}) {
            conv->SetInputFormat(c.in, c.iw, c.ih);
            conv->SetOutputFormat(c.out, c.ow, c.oh);
        }
        b.SetMask(ones.data());
        a.Convert(in.data(), fast.data(), 0);
        b.Convert(in.data(), slow.data(), 0);
        EXPECT_EQ(fast, slow) << c.in << " -> " << c.out;
    }
}

// Every colour channel value against edge and middle values of the other two, through every
// pixel size and sampling; a length of 16 k + 5 leaves a tail after the vector loops.
TEST(VideoRowKernels, RgbRowsMatchThePixelFormulas)
{
    std::vector<BYTE> r, g, b;
    const BYTE edges[] = {0, 1, 16, 127, 128, 129, 235, 254, 255};
    for (int a = 0; a < 256; ++a)
        for (BYTE e : edges)
            for (BYTE f : edges) {
                const BYTE rgb[3][3] = {{BYTE(a), e, f}, {e, BYTE(a), f}, {e, f, BYTE(a)}};
                for (const auto& c : rgb) {
                    r.push_back(c[0]);
                    g.push_back(c[1]);
                    b.push_back(c[2]);
                }
            }
    while (r.size() % 16 != 5) {
        r.push_back(7);
        g.push_back(200);
        b.push_back(99);
    }
    const int pixels = int(r.size());
    for (int bytes : {3, 4}) {
        std::vector<BYTE> row(size_t(pixels) * size_t(bytes), 0xEE);
        for (int i = 0; i < pixels; ++i) {
            row[size_t(i * bytes)] = b[size_t(i)];
            row[size_t(i * bytes + 1)] = g[size_t(i)];
            row[size_t(i * bytes + 2)] = r[size_t(i)];
        }
        for (bool everyOther : {false, true}) {
            const int n = everyOther ? pixels / 2 : pixels, skip = everyOther ? 2 : 1;
            std::vector<BYTE> y(static_cast<size_t>(n)), u(y), v(y);
            VideoRowKernels::RgbToLuma(row.data(), bytes, everyOther, n, y.data());
            VideoRowKernels::RgbToChroma(row.data(), bytes, everyOther, n, u.data(), v.data());
            for (int j = 0; j < n; ++j) {
                const size_t i = size_t(j * skip);
                ASSERT_EQ(y[size_t(j)], UColorSpace::RGBtoY(r[i], g[i], b[i])) << j << " bytes " << bytes;
                ASSERT_EQ(u[size_t(j)], UColorSpace::RGBtoCb(r[i], g[i], b[i])) << j << " bytes " << bytes;
                ASSERT_EQ(v[size_t(j)], UColorSpace::RGBtoCr(r[i], g[i], b[i])) << j << " bytes " << bytes;
            }
        }
    }
}
