#include "CDcBitmap.h"

#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"
#include "win32/windowing/Window.h"

#include <cstdlib>

CDcBitmap::CDcBitmap()
{
    mDesktop = GetDesktopWindow();
    mDesktopDc = GetDC(mDesktop);
}

CDcBitmap::CDcBitmap(const CDcBitmap&) : CDcBitmap() {}

CDcBitmap& CDcBitmap::operator=(const CDcBitmap& other)
{
    if (this != &other) ResetBuffer();
    return *this;
}

CDcBitmap::~CDcBitmap()
{
    CDcBitmap::ResetBuffer();
    if (mDesktopDc) ReleaseDC(mDesktop, mDesktopDc);
}

void CDcBitmap::CopyBitmap(HBITMAP bitmap, int width, int height)
{
    if (mPixels || !bitmap || width <= 0 || height == 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(width * std::abs(height) * 4);
    mMemoryDc = CreateCompatibleDC(mDesktopDc);
    void* bits = nullptr;
    mDib = CreateDIBSection(mDesktopDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!mMemoryDc || !mDib) {
        ResetBuffer();
        return;
    }
    mPixels = static_cast<BYTE*>(bits);
    HDC source = CreateCompatibleDC(mDesktopDc);
    HGDIOBJ oldSource = SelectObject(source, bitmap);
    mSaved = SelectObject(mMemoryDc, mDib);
    BitBlt(mMemoryDc, 0, 0, width, std::abs(height), source, 0, 0, SRCCOPY);
    SelectObject(mMemoryDc, mSaved);
    mSaved = nullptr;
    SelectObject(source, oldSource);
    DeleteDC(source);
}

void CDcBitmap::ResetBuffer()
{
    if (mMemoryDc) DeleteDC(mMemoryDc);
    if (mDib) DeleteObject(mDib);
    mMemoryDc = nullptr;
    mDib = nullptr;
    mPixels = nullptr;
}

HBITMAP CDcBitmap::GetBitmap() { return mDib; }
HDC CDcBitmap::GetDc() { return mMemoryDc; }
BYTE* CDcBitmap::GetBuffer() { return mPixels; }
