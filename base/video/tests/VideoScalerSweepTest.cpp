// Every scaler, driven through the converter, stays inside the buffers it is given: frames are
// allocated at exactly the smaller of the library's two frame sizes, so AddressSanitizer catches a
// stray access.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "CVideoConverter.h"
#include "UColorSpace.h"

namespace {

const EColorFormat kInputs[] = {
    kColorRgb8, kColorRgb555, kColorRgb565, kColorRgb24, kColorRgbx32, kColorXbgr32, kColorRgb32, kColorArgb32,
    kColorAyuv, kColorUyvy,   kColorYuy2,   kColorYvyu,  kColorIyuv,   kColorYv12,   kColorYvu9,  kColorI420,
    kColorLuma,
};

const EColorFormat kOutputs[] = {
    kColorRgb8,        kColorRgb555,      kColorRgb565,      kColorRgb24,      kColorRgbx32,     kColorXbgr32,
    kColorRgb32,       kColorArgb32,      kColorAyuv,        kColorUyvy,       kColorYuy2,       kColorYvyu,
    kColorIyuv,        kColorYv12,        kColorYvu9,        kColorI420,       kColorLuma,       kColorLumaRgb32R,
    kColorLumaRgb32GB, kColorLumaArgb32G, kColorLumaXbgr32GB, kColorLumaRgb24B, kColorLumaRgb24GB, kColorPartRgb32Rg,
    kColorPartRgb32Bg, kColorPartArgb32Rb, kColorPartXbgr32Gb, kColorPartRgb32bR, kColorPartXbgr32GB,
};

struct Size {
    unsigned short w, h;
};

const Size kSizes[] = {{1, 1}, {2, 1}, {1, 2}, {3, 3}, {5, 2}, {2, 5}, {7, 5}, {9, 4}, {37, 3}, {48, 2}};

// The smaller of the two sizes the library gives a frame.
std::vector<BYTE> Frame(EColorFormat format, Size size, BYTE seed)
{
    std::vector<BYTE> frame(std::min(CVideoConverter::GetBufferSize(format, size.w, size.h),
                                     UColorSpace::GetImageSize(format, size.w, size.h)));
    for (size_t i = 0; i < frame.size(); ++i)
        frame[i] = BYTE(seed + i * 37);
    return frame;
}

}  // namespace

TEST(VideoScalerSweep, NoAccessOutsideTheBuffersForAnySizeFormatAndOrientation)
{
    int run = 0;
    for (EColorFormat in : kInputs) {
        for (EColorFormat out : kOutputs) {
            for (Size is : kSizes) {
                for (Size os : kSizes) {
                    const int variant = run++;
                    CVideoConverter converter;
                    converter.SetInputFormat(in, is.w, is.h);
                    converter.SetOutputFormat(out, os.w, os.h);
                    converter.SetImageRotation(EImageRotation(variant % 4));
                    converter.SetImageFlip(EImageFlip(variant / 4 % 3));
                    converter.SetInputTopDown(variant / 12 % 2 == 0);
                    converter.SetOutputTopDown(variant / 24 % 2 == 0);
                    converter.SetGreyScale(variant / 48 % 2 == 1);
                    if (variant % 5 == 1 && is.w > 2 && is.h > 2) {
                        converter.SetInputX(1);
                        converter.SetInputY(1);
                        converter.SetInputWidth(is.w - 2);
                        converter.SetInputHeight(is.h - 2);
                    }
                    if (variant % 7 == 2 && os.w > 2 && os.h > 2) {
                        converter.SetOutputX(2);
                        converter.SetOutputY(1);
                        converter.SetOutputWidth(os.w - 2);
                        converter.SetOutputHeight(os.h - 2);
                    }
                    std::vector<BYTE> mask;
                    if (variant % 3 == 0) {
                        mask.assign(size_t(is.w) * is.h, 0);
                        for (size_t i = 0; i < mask.size(); i += 2)
                            mask[i] = 1;
                        converter.SetMask(mask.data());
                    }
                    for (BYTE c = 0; c < 8; ++c)
                        converter.SetPalette(BYTE(c * 30), BYTE(255 - c * 30), BYTE(c * 7), c);
                    // Buffers wider and taller than the frames they hold.
                    Size inBuffer = is, outBuffer = os;
                    if (variant % 11 == 3) {
                        inBuffer.w = static_cast<unsigned short>(is.w + 3);
                        converter.SetInputImageWidth(inBuffer.w);
                        outBuffer = {static_cast<unsigned short>(os.w + 2), static_cast<unsigned short>(os.h + 1)};
                        converter.SetOutputImageWidth(outBuffer.w);
                        converter.SetOutputImageHeight(outBuffer.h);
                    }
                    std::vector<BYTE> input = Frame(in, inBuffer, BYTE(variant));
                    std::vector<BYTE> output = Frame(out, outBuffer, 0);
                    converter.Convert(input.data(), output.data(), 0.0);
                    converter.Convert(input.data(), output.data(), 0.0);
                    converter.Black();
                    converter.BlackAll(output.data());
                    ASSERT_NE(converter.GetScaler(), nullptr);
                }
            }
        }
    }
}
