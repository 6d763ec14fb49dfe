#pragma once
// A rectangle the user drags out with the mouse, outlined on the screen by a drag indicator
// while the button is down; the window that tracks it holds the mouse capture.
#include "win32/WinTypes.h"

class CObviousDragIndicator;

class CScreenDrag {
public:
    CScreenDrag() = default;
    ~CScreenDrag() { Reset(); }
    CScreenDrag(const CScreenDrag&) = delete;
    CScreenDrag& operator=(const CScreenDrag&) = delete;

    // Tracking on; the window captures the mouse (once).
    void StartTracking(HWND capturer);
    bool IsTracking() const { return m_tracking; }
    bool HasIndicator() const { return m_indicator != nullptr; }
    // An indicator over the given window, when tracking and there is none yet.
    void Open(HWND over);
    // Button down (screen point): an indicator over the given window starts the rectangle.
    void Press(HWND over, POINT screen);
    // Mouse move: the end point follows.
    void Drag(POINT screen);
    // Outlines a given rectangle instead of a dragged one.
    void Move(const RECT& rect);
    // Button up: the last point, then the indicator goes, the capture is released and
    // tracking ends. False when there was no indicator; rect is the dragged rectangle.
    bool Release(POINT screen, RECT& rect);
    // A client point of window on the screen.
    static POINT ToScreen(HWND window, POINT client);
    // Undraws and drops the indicator, releases the capture, ends tracking.
    void Reset();

private:
    bool m_tracking = false;
    CObviousDragIndicator* m_indicator = nullptr;
};
