#include "CWaterMark.h"

#include "UColorSpace.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <new>

namespace {

double Clamp01(double v) { return std::isnan(v) || v < 0 ? 0 : v > 1 ? 1 : v; }

unsigned short Place(unsigned short output, unsigned short mark, double position)
{
    if (mark >= output) return 0;
    return static_cast<unsigned short>((output - mark) * position + 0.5);
}

}

CWaterMark::CWaterMark() = default;

CWaterMark::CWaterMark(const CWaterMark& other)
    : mOutputColor(other.mOutputColor), mOutputWidth(other.mOutputWidth), mOutputHeight(other.mOutputHeight),
      mOutputImageWidth(other.mOutputImageWidth), mOutputImageHeight(other.mOutputImageHeight),
      mOutputTopDown(other.mOutputTopDown), mX(other.mX), mY(other.mY)
{
}

CWaterMark& CWaterMark::operator=(const CWaterMark& other)
{
    if (this != &other) {
        ResetWaterMark();
        mLoader.Detach();
        mLoaded = false;
        mOutputColor = other.mOutputColor;
        mOutputWidth = other.mOutputWidth;
        mOutputHeight = other.mOutputHeight;
        mOutputImageWidth = other.mOutputImageWidth;
        mOutputImageHeight = other.mOutputImageHeight;
        mOutputTopDown = other.mOutputTopDown;
        mX = other.mX;
        mY = other.mY;
    }
    return *this;
}

CWaterMark::~CWaterMark()
{
    ResetWaterMark();
}

bool CWaterMark::LoadWaterMark(const char* path)
{
    mLoaded = mLoader.Load(path);
    return mLoaded;
}

bool CWaterMark::LoadWaterMark(const char* module, unsigned short resourceId)
{
    mLoaded = mLoader.Load(module, resourceId);
    return mLoaded;
}

void CWaterMark::SetOutputColor(EColorFormat color)
{
    if (color == mOutputColor) return;
    mOutputColor = color;
    ResetWaterMark();
}

void CWaterMark::SetXPosition(double x) { mX = Clamp01(x); }
void CWaterMark::SetYPosition(double y) { mY = Clamp01(y); }

void CWaterMark::ResetWaterMark()
{
    delete[] mMark;
    mMark = nullptr;
}

bool CWaterMark::ValidateWaterMark()
{
    return mMarkWidth && mMarkHeight && mMarkWidth < mOutputWidth && mMarkHeight < mOutputHeight;
}

unsigned short CWaterMark::CalculateX() const { return Place(mOutputWidth, mMarkWidth, mX); }
unsigned short CWaterMark::CalculateY() const { return Place(mOutputHeight, mMarkHeight, mY); }

bool CWaterMark::CreateWaterMark()
{
    if (!mLoaded || mMark) return mMark != nullptr;
    LONG width = mLoader.GetWidth(), height = mLoader.GetHeight();
    mMarkWidth = static_cast<unsigned short>(std::labs(width));
    mMarkHeight = static_cast<unsigned short>(std::labs(height));
    if (!ValidateWaterMark()) return false;
    // Without the picture's pixels there is no mark: nothing is allocated, so no
    // uninitialised image is ever blended.
    std::unique_ptr<BYTE[]> pixels(mLoader.GetData());
    if (!pixels) return false;
    size_t size = UColorSpace::GetImageSize(mOutputColor, mMarkWidth, mMarkHeight);
    if (!size) return false;
    BYTE* mark = new (std::nothrow) BYTE[size]();
    if (!mark) return false;
    bool topDown = height < 0;
    EColorFormat color = mLoader.GetColor();
    mMask.ProcessMask(pixels.get(), color, mMarkWidth, mMarkHeight, topDown);
    mMarkConverter.SetInputFormat(color, mMarkWidth, mMarkHeight);
    mMarkConverter.SetOutputFormat(mOutputColor, mMarkWidth, mMarkHeight);
    mMarkConverter.SetInputTopDown(topDown);
    mMarkConverter.SetOutputTopDown(true);
    mMarkConverter.Convert(pixels.get(), mark, 0);
    mOverlayConverter.SetInputFormat(mOutputColor, mMarkWidth, mMarkHeight);
    mOverlayConverter.SetInputTopDown(true);
    mOverlayConverter.SetMask(mMask.GetMask());
    if (!mMask.GetMask()) std::memset(mark, 0, size);
    mMark = mark;
    return true;
}

void CWaterMark::Overlay(unsigned char* frame, long length)
{
    if (!frame || mOutputWidth < 40 || mOutputHeight < 32) return;
    unsigned short imageWidth = mOutputImageWidth ? mOutputImageWidth : mOutputWidth;
    unsigned short imageHeight = mOutputImageHeight ? mOutputImageHeight : mOutputHeight;
    // The frame must hold the whole image it is said to be, planar formats included.
    if (imageWidth < mOutputWidth || imageHeight < mOutputHeight) return;
    size_t needed = UColorSpace::GetImageSize(mOutputColor, imageWidth, imageHeight);
    if (!needed || length < 0 || static_cast<size_t>(length) < needed) return;
    if (!CreateWaterMark()) return;
    // A mark made for a larger output is kept until reset, but must not spill over a
    // smaller frame.
    if (!ValidateWaterMark()) return;
    mOverlayConverter.SetOutputFormat(mOutputColor, mOutputWidth, mOutputHeight);
    mOverlayConverter.SetOutputImageWidth(imageWidth);
    mOverlayConverter.SetOutputImageHeight(imageHeight);
    mOverlayConverter.SetOutputX(CalculateX());
    mOverlayConverter.SetOutputWidth(mMarkWidth);
    mOverlayConverter.SetOutputY(CalculateY());
    mOverlayConverter.SetOutputHeight(mMarkHeight);
    mOverlayConverter.SetOutputTopDown(mOutputTopDown);
    mOverlayConverter.Convert(mMark, frame, 0);
}
