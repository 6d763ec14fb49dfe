// The row kernels and the whole-row paths give exactly what the per-pixel formulas give.
#include <gtest/gtest.h>

#include <vector>

#include "CVideoConverter.h"
#include "UColorSpace.h"
#include "VideoRowKernels.h"

TEST(VideoRowKernels, YuvToBgrxMatchesThePixelFormulas)
{
    const int n = 4099;  // not a multiple of the vector width
    std::vector<BYTE> y(n), u(n), v(n);
    for (int j = 0; j < n; ++j) {
        y[size_t(j)] = BYTE(j);
        u[size_t(j)] = BYTE(j * 7 / 3);
        v[size_t(j)] = BYTE(255 - j * 5);
    }
    for (bool half : {false, true}) {
        std::vector<uint32_t> out(n);
        VideoRowKernels::YuvToBgrx(y.data(), u.data(), v.data(), n, half, out.data());
        for (int j = 0; j < n; ++j) {
            const int c = half ? j / 2 : j;
            const BYTE yy = y[size_t(j)], uu = u[size_t(c)], vv = v[size_t(c)];
            const uint32_t want = UColorSpace::YCbCrtoB(yy, uu, vv) | UColorSpace::YCbCrtoG(yy, uu, vv) << 8 |
                                  uint32_t(UColorSpace::YCbCrtoR(yy, uu, vv)) << 16;
            ASSERT_EQ(out[size_t(j)], want) << j << " half " << half;
        }
    }
}

TEST(VideoRowKernels, YuvToRgbWritesThreeBytesAndKeepsTheFourth)
{
    const int n = 101;
    std::vector<BYTE> y(n), u(n), v(n);
    for (int j = 0; j < n; ++j) {
        y[size_t(j)] = BYTE(j * 3);
        u[size_t(j)] = BYTE(j * 11);
        v[size_t(j)] = BYTE(200 - j);
    }
    for (int step : {3, 4}) {
        for (bool half : {false, true}) {
            std::vector<BYTE> out(size_t(n) * size_t(step), 0xA5);
            VideoRowKernels::YuvToRgb(y.data(), u.data(), v.data(), n, half, out.data(), step);
            for (int j = 0; j < n; ++j) {
                const int c = half ? j / 2 : j;
                const BYTE* o = &out[size_t(j) * size_t(step)];
                const BYTE yy = y[size_t(j)], uu = u[size_t(c)], vv = v[size_t(c)];
                ASSERT_EQ(o[0], UColorSpace::YCbCrtoB(yy, uu, vv)) << j;
                ASSERT_EQ(o[1], UColorSpace::YCbCrtoG(yy, uu, vv)) << j;
                ASSERT_EQ(o[2], UColorSpace::YCbCrtoR(yy, uu, vv)) << j;
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
