#pragma once
// The screen capture source's settings, given after it is created and before it is connected.
#include "com/Unknown.h"
#include "win32/WinTypes.h"

struct IScreenCaptureSettings : IUnknown {
    static constexpr IID kIid = {0x887D00CE, 0x345E, 0x4818, {0x9F, 0xE2, 0xB2, 0x96, 0x24, 0x64, 0xF6, 0x78}};
    using Base = IUnknown;
    // 0 the whole screen, 100 a region, 101 a window, 102 an area that follows the cursor.
    virtual HRESULT SetCapture(LONG kind) = 0;
    virtual HRESULT SetX(WORD x) = 0;
    virtual HRESULT SetY(WORD y) = 0;
    // The picture's size; the whole screen and a window are scaled to it.
    virtual HRESULT SetWidth(WORD width) = 0;
    virtual HRESULT SetHeight(WORD height) = 0;
    virtual HRESULT SetWindow(HWND window) = 0;
    virtual HRESULT SetCaptureCursor(BOOL capture) = 0;
    // Width and height are kept to multiples of the block size (encoders work in blocks).
    virtual HRESULT SetBlockSize(WORD size) = 0;
    virtual HRESULT SetFrameRate(double rate) = 0;
};
