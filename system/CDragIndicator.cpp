#include "CDragIndicator.h"

#include "win32/gdi/Gdi.h"

#include <algorithm>

CDragIndicator::CDragIndicator(HWND window) : mWindow(window)
{
    mDc = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
}

CDragIndicator::~CDragIndicator()
{
    if (mDc) DeleteDC(mDc);
}

bool CDragIndicator::GetDrawRect(RECT& rect) const
{
    if (!mDragging) return false;
    rect = RECT{std::min(mStart.x, mEnd.x), std::min(mStart.y, mEnd.y), std::max(mStart.x, mEnd.x),
                std::max(mStart.y, mEnd.y)};
    return true;
}

void CDragIndicator::Drag(short x, short y)
{
    if (!mDragging) {
        mStart = mEnd = POINT{x, y};
        mDragging = true;
        return;
    }
    Undraw();
    mEnd = POINT{x, y};
    Draw();
}

void CDragIndicator::Move(short left, short top, short right, short bottom)
{
    Undraw();
    mStart = POINT{left, top};
    mEnd = POINT{right, bottom};
    mDragging = true;
    Draw();
}

void CDragIndicator::Draw()
{
    RECT r;
    if (mDrawn || !GetDrawRect(r)) return;
    DrawFocusRect(mDc, &r);
    mDrawn = true;
}

void CDragIndicator::Undraw()
{
    RECT r;
    if (!mDrawn || !GetDrawRect(r)) return;
    DrawFocusRect(mDc, &r);
    mDrawn = false;
}
