#include "CBitmapFeeder.h"

#include "UColorSpace.h"

#include <new>

CBitmapFeeder::CBitmapFeeder() = default;

CBitmapFeeder::CBitmapFeeder(const CBitmapFeeder& other)
    : mColor(other.mColor), mWidth(other.mWidth), mHeight(other.mHeight), mNegativeHeight(other.mNegativeHeight),
      mBufferSize(other.mBufferSize)
{
}

CBitmapFeeder& CBitmapFeeder::operator=(const CBitmapFeeder& other)
{
    if (this != &other) {
        ResetBuffer();
        mColor = other.mColor;
        mWidth = other.mWidth;
        mHeight = other.mHeight;
        mNegativeHeight = other.mNegativeHeight;
        mBufferSize = other.mBufferSize;
    }
    return *this;
}

CBitmapFeeder::~CBitmapFeeder()
{
    CBitmapFeeder::ResetBuffer();
}

void CBitmapFeeder::SetBitmapWidth(unsigned short width) { mWidth = width; }
void CBitmapFeeder::SetBitmapHeight(unsigned short height) { mHeight = height; }
void CBitmapFeeder::SetNegativeHeight(bool negative) { mNegativeHeight = negative; }
void CBitmapFeeder::SetColor(EColorFormat color) { mColor = color; }
unsigned short CBitmapFeeder::GetBitmapWidth() { return mWidth; }
unsigned short CBitmapFeeder::GetBitmapHeight() { return mHeight; }

unsigned short CBitmapFeeder::GetColorDepth() const
{
    switch (mColor) {
    case kColorRgb555:
    case kColorRgb565: return 16;
    case kColorRgb24: return 24;
    default: return 32;
    }
}

ULONG CBitmapFeeder::GetBufferSize()
{
    if (mBufferSize) return mBufferSize;
    return static_cast<ULONG>(UColorSpace::GetImageSize(GetColorDepth(), GetBitmapWidth(), GetBitmapHeight()));
}

BYTE* CBitmapFeeder::GetBuffer()
{
    if (!mBuffer) {
        ULONG size = GetBufferSize();
        if (size) mBuffer = new (std::nothrow) BYTE[size]();
    }
    return mBuffer;
}

void CBitmapFeeder::ResetBuffer()
{
    delete[] mBuffer;
    mBuffer = nullptr;
}
