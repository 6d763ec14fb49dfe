#include "CScreenCapture.h"

#include "win32/gdi/GdiSurface.h"

#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"
#include "win32/kernel/Threads.h"
#include "win32/windowing/Window.h"

#include <initializer_list>

namespace {

unsigned short Clamp16(LONG v) { return static_cast<unsigned short>(v < 0 ? 0 : v > 0xFFFF ? 0xFFFF : v); }

EColorFormat FormatOfDepth(int bits)
{
    switch (bits) {
    case 16: return kColorRgb565;
    case 24: return kColorRgb24;
    case 32: return kColorArgb32;
    default: return kColorNone;
    }
}

}

CScreenCapture::CScreenCapture()
{
    mScreenWidth = Clamp16(GetSystemMetrics(SM_CXSCREEN));
    mScreenHeight = Clamp16(GetSystemMetrics(SM_CYSCREEN));
    SetColor(FormatOfDepth(GetDeviceCaps(mDesktopDc, BITSPIXEL)));
}

CScreenCapture::CScreenCapture(const CScreenCapture& other)
    : CDcBitmapFeeder(other), mScreenWidth(other.mScreenWidth), mScreenHeight(other.mScreenHeight),
      mMode(other.mMode), mWindow(other.mWindow), mX(other.mX), mY(other.mY), mWidthSet(other.mWidthSet),
      mHeightSet(other.mHeightSet), mWantCursor(other.mWantCursor), mBlockSize(other.mBlockSize)
{
}

CScreenCapture& CScreenCapture::operator=(const CScreenCapture& other)
{
    if (this != &other) {
        CDcBitmapFeeder::operator=(other);
        mScreenWidth = other.mScreenWidth;
        mScreenHeight = other.mScreenHeight;
        mMode = other.mMode;
        mWindow = other.mWindow;
        mX = other.mX;
        mY = other.mY;
        mWidthSet = other.mWidthSet;
        mHeightSet = other.mHeightSet;
        mWantCursor = other.mWantCursor;
        mBlockSize = other.mBlockSize;
    }
    return *this;
}

CScreenCapture::~CScreenCapture() = default;

void CScreenCapture::SetCapture(EScreenCapture mode)
{
    mMode = mode;
    mWidth = 0;
    mHeight = 0;
    if (mode == kCaptureWindow && !mWindow) mWindow = GetForegroundWindow();
    CalculateWindowSize();
}

void CScreenCapture::SetWindow(HWND window)
{
    mWindow = window;
    CalculateWindowSize();
}

void CScreenCapture::CalculateWindowSize()
{
    RECT r;
    if (mMode != kCaptureWindow || !mWindow || !GetWindowRect(mWindow, &r)) return;
    mWidthSet = Clamp16(r.right - r.left);
    mHeightSet = Clamp16(r.bottom - r.top);
}

void CScreenCapture::SetWidth(unsigned short width)
{
    mWidthSet = width;
    mWidth = 0;
}

void CScreenCapture::SetHeight(unsigned short height)
{
    mHeightSet = height;
    mHeight = 0;
}

void CScreenCapture::SetBlockSize(unsigned short size)
{
    for (unsigned short allowed : {1, 2, 4, 8, 16, 32, 64})
        if (size == allowed) mBlockSize = size;
}

unsigned short CScreenCapture::AdjustWidth(unsigned short value, bool up) const
{
    if (value < 32) return 32;
    if (mBlockSize && value % mBlockSize) {
        unsigned lower = value - value % mBlockSize;
        unsigned adjusted = up ? lower + mBlockSize : lower;
        return static_cast<unsigned short>(adjusted > 0xFFFF ? lower : adjusted);
    }
    return value;
}

unsigned short CScreenCapture::Extent(bool horizontal)
{
    unsigned short set = horizontal ? mWidthSet : mHeightSet;
    unsigned short screen = horizontal ? mScreenWidth : mScreenHeight;
    switch (mMode) {
    case kCaptureRegion:
    case kCaptureMouse: return set && set < screen ? AdjustWidth(set, true) : AdjustWidth(screen, false);
    case kCaptureWindow: {
        RECT r;
        if (!mWindow || IsIconic(mWindow) || !GetWindowRect(mWindow, &r)) return 0;
        LONG now = horizontal ? r.right - r.left : r.bottom - r.top;
        if (now > set) return 0;
        return AdjustWidth(set, true);
    }
    default: return AdjustWidth(screen, false);
    }
}

unsigned short CScreenCapture::GetWidth() { return Extent(true); }
unsigned short CScreenCapture::GetHeight() { return Extent(false); }

unsigned short CScreenCapture::Offset(bool horizontal)
{
    unsigned short screen = horizontal ? mScreenWidth : mScreenHeight;
    switch (mMode) {
    case kCaptureRegion: {
        if (!mWidthSet || !mHeightSet) return 0;
        unsigned short at = horizontal ? mX : mY;
        unsigned extent = AdjustWidth(horizontal ? mWidthSet : mHeightSet, true);
        if (at + extent <= screen) return at;
        if (extent <= screen) return static_cast<unsigned short>(screen - extent);
        return 0;
    }
    case kCaptureWindow: {
        RECT r;
        if (!mWindow || !GetWindowRect(mWindow, &r)) return 0;
        LONG edge = horizontal ? r.left : r.top;
        return edge < 0 ? 0 : Clamp16(edge);
    }
    case kCaptureMouse: {
        POINT p;
        if (!GetCursorPos(&p)) return 0;
        LONG pointer = horizontal ? p.x : p.y;
        LONG extent = horizontal ? GetWidth() : GetHeight();
        LONG half = extent / 2;
        if (pointer + half > screen) return Clamp16(screen - extent);
        if (pointer < half) return 0;
        return Clamp16(pointer - half);
    }
    default: return 0;
    }
}

unsigned short CScreenCapture::GetX() { return Offset(true); }
unsigned short CScreenCapture::GetY() { return Offset(false); }

unsigned short CScreenCapture::GetBitmapWidth() { return mWidth ? mWidth : GetWidth(); }
unsigned short CScreenCapture::GetBitmapHeight() { return mHeight ? mHeight : GetHeight(); }

HCURSOR CScreenCapture::GetCurrentCursor()
{
    POINT p;
    HCURSOR cursor = nullptr;
    DWORD self = GetCurrentThreadId();
    HWND under = GetCursorPos(&p) ? WindowFromPoint(p) : nullptr;
    DWORD owner = under ? GetWindowThreadProcessId(under, nullptr) : self;
    if (owner && owner != self && AttachThreadInput(self, owner, TRUE)) {
        cursor = GetCursor();
        AttachThreadInput(self, owner, FALSE);
    }
    return cursor ? cursor : GetCursor();
}

bool CScreenCapture::Capture()
{
    unsigned short width = GetWidth(), height = GetHeight();
    if (!width || !height) return false;
    // Without a real display there is nothing a user sees to capture.
    if (!GdiScreenCanCapture()) return false;
    // No frame buffer means no frame: report it rather than claim a capture.
    if (!GetBuffer()) return false;
    unsigned short x = GetX(), y = GetY();
    mDisplaced = SelectObject(mMemoryDc, mDib);
    BitBlt(mMemoryDc, 0, 0, width, height, mDesktopDc, x, y, SRCCOPY);
    POINT p;
    HCURSOR cursor = mWantCursor && GetCursorPos(&p) ? GetCurrentCursor() : nullptr;
    ICONINFO info;
    if (cursor && GetIconInfo(cursor, &info)) {
        DrawIcon(mMemoryDc, p.x - static_cast<LONG>(info.xHotspot) - x, p.y - static_cast<LONG>(info.yHotspot) - y,
                 cursor);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
    }
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    unsigned short bitmapWidth = GetBitmapWidth(), bitmapHeight = GetBitmapHeight();
    if (width < bitmapWidth) {
        RECT strip{width, 0, bitmapWidth, bitmapHeight};
        FillRect(mMemoryDc, &strip, white);
    }
    if (height < bitmapHeight) {
        RECT strip{0, height, bitmapWidth, bitmapHeight};
        FillRect(mMemoryDc, &strip, white);
    }
    SelectObject(mMemoryDc, mDisplaced);
    mDisplaced = nullptr;
    return true;
}
