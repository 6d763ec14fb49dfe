#pragma once
// A 32-bit DIB section copy of a bitmap, with its own memory DC.
#include "win32/WinTypes.h"

class CDcBitmap {
public:
    CDcBitmap();
    // A copy opens its own desktop DC and holds no pixels until it copies a bitmap.
    CDcBitmap(const CDcBitmap& other);
    CDcBitmap& operator=(const CDcBitmap& other);
    virtual ~CDcBitmap();

    // Nothing when pixels are held already; a negative height makes the copy top-down.
    virtual void CopyBitmap(HBITMAP bitmap, int width, int height);
    virtual void ResetBuffer();
    virtual HBITMAP GetBitmap();
    virtual HDC GetDc();
    virtual BYTE* GetBuffer();

private:
    BYTE* mPixels = nullptr;
    HWND mDesktop = nullptr;
    HDC mDesktopDc = nullptr;
    HBITMAP mDib = nullptr;
    HDC mMemoryDc = nullptr;
    HGDIOBJ mSaved = nullptr;
};
