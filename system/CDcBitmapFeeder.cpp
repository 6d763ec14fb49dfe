#include "CDcBitmapFeeder.h"

#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"
#include "win32/windowing/Window.h"

CDcBitmapFeeder::CDcBitmapFeeder()
{
    OpenDesktop();
    FindColors();
}

CDcBitmapFeeder::CDcBitmapFeeder(const CDcBitmapFeeder& other) : CBitmapFeeder(other), mColorList(other.mColorList)
{
    OpenDesktop();
}

CDcBitmapFeeder& CDcBitmapFeeder::operator=(const CDcBitmapFeeder& other)
{
    if (this != &other) {
        ResetBuffer();
        CBitmapFeeder::operator=(other);
        mColorList = other.mColorList;
    }
    return *this;
}

CDcBitmapFeeder::~CDcBitmapFeeder()
{
    CDcBitmapFeeder::ResetBuffer();
    if (mDesktopDc) ReleaseDC(mDesktop, mDesktopDc);
}

void CDcBitmapFeeder::OpenDesktop()
{
    mDesktop = GetDesktopWindow();
    mDesktopDc = GetDC(mDesktop);
}

void CDcBitmapFeeder::FindColors()
{
    const EColorFormat tried[] = {kColorArgb32, kColorRgb24, kColorRgb565, kColorRgb555};
    for (EColorFormat color : tried) {
        EColorFormat oldColor = mColor;
        unsigned short oldWidth = mWidth, oldHeight = mHeight;
        bool oldNegative = mNegativeHeight;
        SetColor(color);
        SetBitmapWidth(160);
        SetBitmapHeight(120);
        SetNegativeHeight(true);
        if (GetBuffer()) mColorList.Add(color);
        ResetBuffer();
        mColor = oldColor;
        mWidth = oldWidth;
        mHeight = oldHeight;
        mNegativeHeight = oldNegative;
    }
}

BYTE* CDcBitmapFeeder::GetBuffer()
{
    if (mBuffer) return mBuffer;
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } info{};
    unsigned short depth = GetColorDepth();
    bool fields = depth == 16;
    info.header.biSize = fields ? 52 : 40;
    info.header.biWidth = GetBitmapWidth();
    info.header.biHeight = mNegativeHeight ? -LONG(GetBitmapHeight()) : LONG(GetBitmapHeight());
    info.header.biPlanes = 1;
    info.header.biBitCount = depth;
    info.header.biCompression = fields ? BI_BITFIELDS : BI_RGB;
    info.header.biSizeImage = GetBufferSize();
    if (fields) {
        bool is565 = mColor == kColorRgb565;
        info.masks[0] = is565 ? 0xF800 : 0x7C00;
        info.masks[1] = is565 ? 0x07E0 : 0x03E0;
        info.masks[2] = 0x001F;
    }
    mMemoryDc = CreateCompatibleDC(mDesktopDc);
    void* bits = nullptr;
    mDib = CreateDIBSection(mDesktopDc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!mDib || !mMemoryDc) {
        ResetBuffer();
        return nullptr;
    }
    mBuffer = static_cast<BYTE*>(bits);
    return mBuffer;
}

void CDcBitmapFeeder::ResetBuffer()
{
    if (mMemoryDc && mDisplaced) SelectObject(mMemoryDc, mDisplaced);
    mDisplaced = nullptr;
    if (mMemoryDc) DeleteDC(mMemoryDc);
    if (mDib) DeleteObject(mDib);
    mMemoryDc = nullptr;
    mDib = nullptr;
    mBuffer = nullptr;  // the DIB owned it
    mBufferSize = 0;
}

HBITMAP CDcBitmapFeeder::GetBitmap() { return mDib; }
HDC CDcBitmapFeeder::GetDc() { return mMemoryDc; }
