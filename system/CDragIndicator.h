#pragma once
// Marks a rectangle on the screen while the user drags it out, with an inverted focus frame.
#include "win32/WinTypes.h"

class CDragIndicator {
public:
    explicit CDragIndicator(HWND window);
    virtual ~CDragIndicator();
    CDragIndicator(const CDragIndicator&) = delete;  // owns a display DC
    CDragIndicator& operator=(const CDragIndicator&) = delete;

    virtual void Draw();
    virtual void Undraw();

    bool GetDrawRect(RECT& rect) const;
    // The first call sets the start point; later ones move the end point and redraw.
    void Drag(short x, short y);
    void Move(short left, short top, short right, short bottom);
    bool IsDrawn() const { return mDrawn; }

protected:
    HWND mWindow;
    HDC mDc = nullptr;
    POINT mStart{0, 0};
    POINT mEnd{0, 0};
    bool mDragging = false;
    bool mDrawn = false;
};
