#pragma once
// The node windows' drag indicator: it turns the pointer's pixels into plane units with
// the window's scales and origins and draws the drag as it goes. Kept in its own namespace:
// the system library's window drag indicator has the same name and is linked here too.
#include "RealPoint.h"
#include "afx/CPoint.h"

class CDC;
class CWnd;

namespace mvlists {

using DragT = int;

class CDragIndicator {
public:
    CDragIndicator(CWnd* window, double xScale, double yScale, int xOrigin, int yOrigin);
    CDragIndicator(const CDragIndicator&) = default;
    CDragIndicator& operator=(const CDragIndicator&) = default;
    virtual ~CDragIndicator() = default;

    virtual bool StartDragSelf(const RealPoint&) { return false; }
    virtual bool EndDrag(CPoint point);
    virtual void ProcessSelf(const RealPoint&) {}
    virtual void Draw(CDC*) {}

    bool StartDrag(CPoint point);
    void Process(CPoint point);
    void Refresh(bool drawn);

    RealPoint TranslatePoint(CPoint pixel) const;
    CPoint TranslatePoint(const RealPoint& plane) const;
    static bool CloseTo(CPoint a, CPoint b);
    static bool CloseTo(const RealPoint& a, const RealPoint& b);

    DragT GetDragType() const { return mDragType; }
    void SetDragType(DragT type) { mDragType = type; }
    const RealPoint& GetCurrentPoint() const { return mCurrent; }
    bool IsDrawn() const { return mDrawn; }
    CWnd* GetWindow() const { return mWindow; }

private:
    CWnd* mWindow;
    double mXScale;
    double mYScale;
    int mXOrigin;
    int mYOrigin;
    RealPoint mCurrent;
    DragT mDragType = 0;
    bool mDrawn = false;
};

} // namespace mvlists
