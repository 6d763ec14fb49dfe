#pragma once
// Internal: the pixels behind a bitmap handle. Colours go in and out as 0x00RRGGBB.
#include "win32/gdi/GdiObject.h"

#include <cstdint>
#include <vector>

#include "win32/gdi/Gdi.h"

class GdiBitmap : public GdiObject {
public:
    static constexpr GdiKind kKind = GdiKind::Bitmap;
    // Largest raster accepted, so that hostile sizes fail instead of exhausting memory.
    static constexpr uint64_t kMaxBytes = 512ull * 1024 * 1024;
    static constexpr int kMaxSide = 65535;

    // dib: rows padded to 4 bytes and bottom-up unless topDown; otherwise a device-dependent
    // bitmap (top-down, rows padded to 2 bytes). Check Valid() after construction.
    GdiBitmap(int width, int height, int bitsPerPixel, bool dib, bool topDown);

    bool Valid() const { return mValid; }
    int Width() const { return mWidth; }
    int Height() const { return mHeight; }
    int BitsPerPixel() const { return mBpp; }
    int Stride() const { return mStride; }
    bool IsDib() const { return mDib; }
    bool TopDown() const { return mTopDown; }
    size_t ImageSize() const { return mPixels.size(); }
    uint8_t* Bits() { return mPixels.data(); }
    const uint8_t* Bits() const { return mPixels.data(); }
    // Row y counted from the top of the picture.
    uint8_t* Row(int y) { return mPixels.data() + static_cast<size_t>(RowIndex(y)) * mStride; }
    const uint8_t* Row(int y) const { return mPixels.data() + static_cast<size_t>(RowIndex(y)) * mStride; }

    uint32_t Get(int x, int y) const;
    void Set(int x, int y, uint32_t rgb);

    // 16- and 32-bit layouts; the default masks are 5-5-5 and 8-8-8.
    void SetMasks(uint32_t red, uint32_t green, uint32_t blue);
    uint32_t Mask(int channel) const { return mMask[channel]; }
    bool HasDefaultMasks() const;
    // Up to 256 entries for 1-, 4- and 8-bit rasters.
    std::vector<RGBQUAD>& Colors() { return mColors; }
    const std::vector<RGBQUAD>& Colors() const { return mColors; }

    static int StrideFor(int width, int bitsPerPixel, bool dib);

private:
    int RowIndex(int y) const { return mTopDown ? y : mHeight - 1 - y; }
    uint32_t Pack(uint32_t rgb) const;
    uint32_t Unpack(uint32_t value) const;
    uint8_t Nearest(uint32_t rgb) const;

    int mWidth, mHeight, mBpp, mStride = 0;
    bool mDib, mTopDown, mValid = false;
    std::vector<uint8_t> mPixels;
    uint32_t mMask[3] = {0, 0, 0};
    int mShift[3] = {0, 0, 0};
    int mBitsOf[3] = {0, 0, 0};
    std::vector<RGBQUAD> mColors;
};
