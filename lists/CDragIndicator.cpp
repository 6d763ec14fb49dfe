#include "CDragIndicator.h"

#include "afx/gdi/CDC.h"
#include "afx/windows/CWnd.h"

#include <cmath>

namespace mvlists {

CDragIndicator::CDragIndicator(CWnd* window, double xScale, double yScale, int xOrigin, int yOrigin)
    : mWindow(window), mXScale(xScale), mYScale(yScale), mXOrigin(xOrigin), mYOrigin(yOrigin)
{
}

RealPoint CDragIndicator::TranslatePoint(CPoint pixel) const
{
    // A zero scale has no plane position; keep the origin rather than divide by it.
    RealPoint plane;
    plane.x = mXScale != 0 ? (pixel.x - mXOrigin) / mXScale : 0;
    plane.y = mYScale != 0 ? (pixel.y - mYOrigin) / mYScale : 0;
    return plane;
}

CPoint CDragIndicator::TranslatePoint(const RealPoint& plane) const
{
    return CPoint(static_cast<int>(mXScale * plane.x + mXOrigin + 0.5), static_cast<int>(mYScale * plane.y + mYOrigin + 0.5));
}

bool CDragIndicator::CloseTo(CPoint a, CPoint b)
{
    return std::abs(a.x - b.x) <= 4 && std::abs(a.y - b.y) <= 4;
}

bool CDragIndicator::CloseTo(const RealPoint& a, const RealPoint& b)
{
    return std::fabs(a.x - b.x) <= 4 && std::fabs(a.y - b.y) <= 4;
}

bool CDragIndicator::StartDrag(CPoint point)
{
    return StartDragSelf(TranslatePoint(point));
}

void CDragIndicator::Process(CPoint point)
{
    if (mDragType == 0)
        return;
    Refresh(false);
    RealPoint plane = TranslatePoint(point);
    ProcessSelf(plane);
    mCurrent = plane;
    Refresh(true);
}

bool CDragIndicator::EndDrag(CPoint)
{
    if (mDragType == 0)
        return false;
    Refresh(false);
    return true;
}

void CDragIndicator::Refresh(bool drawn)
{
    if (mDrawn == drawn)
        return;
    if (mWindow && mWindow->GetSafeHwnd()) {
        CDC* dc = mWindow->GetDC();
        Draw(dc);
        mWindow->ReleaseDC(dc);
    } else {
        Draw(nullptr);
    }
    mDrawn = drawn;
}

} // namespace mvlists
