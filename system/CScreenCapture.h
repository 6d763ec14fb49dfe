#pragma once
// Grabs frames from the screen into a DIB-backed frame buffer: the whole screen, a region,
// one window, or a region centred on the pointer, optionally with the pointer drawn in.
#include "CDcBitmapFeeder.h"

enum EScreenCapture : int {
    kCaptureScreen = 0,
    kCaptureRegion = 100,
    kCaptureWindow = 101,
    kCaptureMouse = 102,
};

class CScreenCapture : public CDcBitmapFeeder {
public:
    CScreenCapture();
    CScreenCapture(const CScreenCapture& other);
    CScreenCapture& operator=(const CScreenCapture& other);
    ~CScreenCapture() override;

    unsigned short GetBitmapWidth() override;
    unsigned short GetBitmapHeight() override;

    void SetCapture(EScreenCapture mode);
    EScreenCapture GetCapture() const { return mMode; }
    void SetWindow(HWND window);
    HWND GetWindow() const { return mWindow; }
    void CalculateWindowSize();
    void SetX(unsigned short x) { mX = x; }
    void SetY(unsigned short y) { mY = y; }
    void SetWidth(unsigned short width);
    void SetHeight(unsigned short height);
    void SetWantCursor(bool want) { mWantCursor = want; }
    bool GetWantCursor() const { return mWantCursor; }
    void SetBlockSize(unsigned short size);
    unsigned short GetBlockSize() const { return mBlockSize; }
    unsigned short GetScreenWidth() const { return mScreenWidth; }
    unsigned short GetScreenHeight() const { return mScreenHeight; }

    unsigned short AdjustWidth(unsigned short value, bool up) const;
    unsigned short GetWidth();
    unsigned short GetHeight();
    unsigned short GetX();
    unsigned short GetY();
    // True when a frame was taken; false when there is nothing to capture.
    bool Capture();
    HCURSOR GetCurrentCursor();

private:
    unsigned short Extent(bool horizontal);
    unsigned short Offset(bool horizontal);

    unsigned short mScreenWidth = 0;
    unsigned short mScreenHeight = 0;
    EScreenCapture mMode = kCaptureScreen;
    HWND mWindow = nullptr;
    unsigned short mX = 0, mY = 0, mWidthSet = 0, mHeightSet = 0;
    bool mWantCursor = false;
    unsigned short mBlockSize = 4;
};
