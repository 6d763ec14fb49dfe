#pragma once
// Internal: the screen behind screen device contexts: a 32-bit raster that mirrors the
// X11 root window around each drawing call when a display is reachable.
#include "win32/WinTypes.h"

#include <atomic>
#include <memory>
#include <mutex>

class GdiBitmap;

class GdiScreen {
public:
    static GdiScreen& Instance();
    ~GdiScreen();

    // Made at the first drawing on the screen, so that a program that only asks about the
    // screen does not fill a screen-sized picture at start.
    GdiBitmap& Raster();
    int Width() const { return mWidth; }
    int Height() const { return mHeight; }
    bool HasDisplay() const { return mDisplay != nullptr && !mLost; }
    // Copies the area from the display into the raster, and back after drawing.
    void Pull(const RECT& area);
    void Push(const RECT& area);
    bool QueryPointer(POINT* point);
    std::recursive_mutex& Lock() { return mLock; }

private:
    GdiScreen();
    bool Clip(const RECT& area, RECT& clipped) const;

    std::recursive_mutex mLock;
    void* mDisplay = nullptr;
    std::atomic<bool> mLost{false};
    int mWidth = 1280, mHeight = 1024;  // the window layer's headless screen
    std::unique_ptr<GdiBitmap> mRaster;
    std::once_flag mRasterMade;
};
