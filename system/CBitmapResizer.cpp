#include "CBitmapResizer.h"

CBitmapResizer::CBitmapResizer() = default;

CBitmapResizer::CBitmapResizer(const CBitmapResizer& other)
    : CDcBitmapFeeder(other), mPath(other.mPath), mConverter(other.mConverter)
{
}

CBitmapResizer& CBitmapResizer::operator=(const CBitmapResizer& other)
{
    if (this != &other) {
        CDcBitmapFeeder::operator=(other);
        mPath = other.mPath;
        mConverter = other.mConverter;
        mLoader.Detach();
        mLoaded = mScaled = false;
    }
    return *this;
}

CBitmapResizer::~CBitmapResizer() = default;

void CBitmapResizer::SetFilePath(const char* path)
{
    std::string next = path ? std::string(path).substr(0, kMaxPath) : std::string();
    if (next == mPath) return;
    mPath = next;
    mLoaded = mScaled = false;
    ResetBuffer();
}

void CBitmapResizer::SetBitmapWidth(unsigned short width)
{
    if (width == mWidth) return;
    mWidth = width;
    ResetBuffer();
    mScaled = false;
}

void CBitmapResizer::SetBitmapHeight(unsigned short height)
{
    if (height == mHeight) return;
    mHeight = height;
    ResetBuffer();
    mScaled = false;
}

HBITMAP CBitmapResizer::GetBitmap()
{
    Scale();
    return CDcBitmapFeeder::GetBitmap();
}

HDC CBitmapResizer::GetDc()
{
    Scale();
    return CDcBitmapFeeder::GetDc();
}

void CBitmapResizer::Scale()
{
    if (!mLoaded) {
        mLoader.Load(mPath.c_str());
        mLoaded = true;
    }
    if (mScaled) return;
    LONG height = mLoader.GetHeight();
    mConverter.SetOriginalWidth(static_cast<unsigned short>(mLoader.GetWidth()));
    mConverter.SetOriginalHeight(static_cast<unsigned short>(height < 0 ? -height : height));
    mConverter.SetInputTopDown(height < 1);
    mConverter.SetInputColor(mLoader.GetColor());
    mConverter.SetTargetWidth(GetBitmapWidth());
    mConverter.SetTargetHeight(GetBitmapHeight());
    mConverter.SetOutputColor(GetColor());
    mConverter.SetOutputTopDown(GetNegativeHeight());
    if (BYTE* pixels = mLoader.GetData())
        if (BYTE* frame = GetBuffer()) mConverter.Convert(pixels, frame, 0);
    mScaled = true;
}
