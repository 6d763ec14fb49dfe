#include "win32/gdi/GdiBitmap.h"

#include "win32/gdi/Gdi.h"

#include <bit>
#include <cstring>
#include <new>

namespace {

uint32_t Scale(uint32_t value, int bits)
{
    if (bits <= 0) return 0;
    if (bits >= 8) return value >> (bits - 8);
    // Repeat the top bits so that full scale maps to 255.
    uint32_t v = value << (8 - bits);
    return (v | (v >> bits)) & 0xFF;
}

}

int GdiBitmap::StrideFor(int width, int bitsPerPixel, bool dib)
{
    int64_t bits = static_cast<int64_t>(width) * bitsPerPixel;
    return dib ? static_cast<int>((bits + 31) / 32 * 4) : static_cast<int>((bits + 15) / 16 * 2);
}

GdiBitmap::GdiBitmap(int width, int height, int bitsPerPixel, bool dib, bool topDown)
    : GdiObject(GdiKind::Bitmap), mWidth(width), mHeight(height), mBpp(bitsPerPixel), mDib(dib),
      mTopDown(dib ? topDown : true)
{
    bool knownDepth = bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 16 ||
                      bitsPerPixel == 24 || bitsPerPixel == 32;
    if (!knownDepth || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return;
    mStride = StrideFor(width, bitsPerPixel, dib);
    uint64_t bytes = static_cast<uint64_t>(mStride) * static_cast<uint64_t>(height);
    if (bytes > kMaxBytes) return;
    try {
        mPixels.assign(bytes, 0);
    } catch (const std::bad_alloc&) {
        return;
    }
    if (bitsPerPixel == 16) SetMasks(0x7C00, 0x03E0, 0x001F);
    if (bitsPerPixel == 32) SetMasks(0xFF0000, 0x00FF00, 0x0000FF);
    if (bitsPerPixel <= 8) {
        mColors.resize(size_t{1} << bitsPerPixel);
        if (bitsPerPixel == 1) mColors[1] = RGBQUAD{255, 255, 255, 0};
        else
            for (size_t i = 0; i < mColors.size(); ++i) {
                // A grey ramp until the creator supplies a table.
                BYTE v = static_cast<BYTE>(i * 255 / (mColors.size() - 1));
                mColors[i] = RGBQUAD{v, v, v, 0};
            }
    }
    mValid = true;
}

void GdiBitmap::SetMasks(uint32_t red, uint32_t green, uint32_t blue)
{
    uint32_t masks[3] = {red, green, blue};
    for (int c = 0; c < 3; ++c) {
        mMask[c] = masks[c];
        mShift[c] = masks[c] ? std::countr_zero(masks[c]) : 0;
        mBitsOf[c] = masks[c] ? std::popcount(masks[c]) : 0;
    }
}

bool GdiBitmap::HasDefaultMasks() const
{
    if (mBpp == 32) return mMask[0] == 0xFF0000 && mMask[1] == 0xFF00 && mMask[2] == 0xFF;
    return true;
}

uint32_t GdiBitmap::Unpack(uint32_t value) const
{
    uint32_t out = 0;
    for (int c = 0; c < 3; ++c) out = (out << 8) | Scale((value & mMask[c]) >> mShift[c], mBitsOf[c]);
    return out;
}

uint32_t GdiBitmap::Pack(uint32_t rgb) const
{
    uint32_t out = 0;
    for (int c = 0; c < 3; ++c) {
        uint32_t v = (rgb >> (16 - 8 * c)) & 0xFF;
        int bits = mBitsOf[c];
        uint32_t field = bits >= 8 ? v << (bits - 8) : v >> (8 - bits);
        out |= (field << mShift[c]) & mMask[c];
    }
    return out;
}

uint8_t GdiBitmap::Nearest(uint32_t rgb) const
{
    int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    int best = 0, bestDistance = 1 << 30;
    for (size_t i = 0; i < mColors.size(); ++i) {
        int dr = r - mColors[i].rgbRed, dg = g - mColors[i].rgbGreen, db = b - mColors[i].rgbBlue;
        int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) bestDistance = d, best = static_cast<int>(i);
    }
    return static_cast<uint8_t>(best);
}

uint32_t GdiBitmap::Get(int x, int y) const
{
    if (!mValid || x < 0 || y < 0 || x >= mWidth || y >= mHeight) return 0;
    const uint8_t* row = Row(y);
    switch (mBpp) {
    case 32: {
        uint32_t v;
        std::memcpy(&v, row + x * 4, 4);
        return HasDefaultMasks() ? (v & 0xFFFFFF) : Unpack(v);
    }
    case 24: return (uint32_t{row[x * 3 + 2]} << 16) | (uint32_t{row[x * 3 + 1]} << 8) | row[x * 3];
    case 16: return Unpack(static_cast<uint32_t>(row[x * 2] | (row[x * 2 + 1] << 8)));
    default: {
        int index = mBpp == 8 ? row[x] : mBpp == 4 ? (row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF : (row[x / 8] >> (7 - x % 8)) & 1;
        const RGBQUAD& q = mColors[static_cast<size_t>(index)];
        return (uint32_t{q.rgbRed} << 16) | (uint32_t{q.rgbGreen} << 8) | q.rgbBlue;
    }
    }
}

void GdiBitmap::Set(int x, int y, uint32_t rgb)
{
    if (!mValid || x < 0 || y < 0 || x >= mWidth || y >= mHeight) return;
    uint8_t* row = Row(y);
    switch (mBpp) {
    case 32: {
        uint32_t v = HasDefaultMasks() ? (rgb & 0xFFFFFF) : Pack(rgb);
        std::memcpy(row + x * 4, &v, 4);
        return;
    }
    case 24:
        row[x * 3] = rgb & 0xFF;
        row[x * 3 + 1] = (rgb >> 8) & 0xFF;
        row[x * 3 + 2] = (rgb >> 16) & 0xFF;
        return;
    case 16: {
        uint32_t v = Pack(rgb);
        row[x * 2] = v & 0xFF;
        row[x * 2 + 1] = (v >> 8) & 0xFF;
        return;
    }
    case 8: row[x] = Nearest(rgb); return;
    case 4: {
        uint8_t& b = row[x / 2];
        uint8_t v = Nearest(rgb);
        b = x % 2 ? static_cast<uint8_t>((b & 0xF0) | v) : static_cast<uint8_t>((b & 0x0F) | (v << 4));
        return;
    }
    default: {
        uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
        if (Nearest(rgb)) row[x / 8] |= bit;
        else row[x / 8] &= static_cast<uint8_t>(~bit);
    }
    }
}
