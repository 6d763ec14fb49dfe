#pragma once
// What a frame's docking support keeps of a bar being moved between its docked places and a
// floating window: the drag under way, the rectangles it would take docked across and down
// and floating, and the place it was last docked in and floated at.
#include "afx/CPoint.h"
#include "afx/CRect.h"
#include "win32/WinTypes.h"

class CControlBar;

class CDockContext {
public:
    explicit CDockContext(CControlBar* bar) : m_pBar(bar) {}

    // A press on the bar starts a drag; the bar follows the pointer until it is let go: near an
    // edge of its frame's client area it docks there, elsewhere it floats.
    void StartDrag(CPoint screen);
    void Move(CPoint screen);
    void EndDrag(CPoint screen);
    void CancelDrag();
    // Docked bars float at their last floating place; floating ones dock where they last were.
    void ToggleDocking();

    CControlBar* m_pBar;
    bool m_bDragging = false;
    CPoint m_ptLast;
    CRect m_rectDragHorz;        // the bar's outline docked across, following the pointer
    CRect m_rectDragVert;        // docked down
    CRect m_rectFrameDragHorz;   // floating
    CRect m_rectFrameDragVert;
    UINT m_uMRUDockID = 0;
    // What the user is sizing a floating bar's frame by: an edge, or a corner.
    enum class Sizing { None, Edge, TopLeft, TopRight, BottomLeft, BottomRight };
    Sizing m_sizing = Sizing::None;
    CPoint m_ptMRUFloatPos{-1, -1};

private:
    // The dock bar id the point would dock in, 0 for none (floats).
    UINT DockAt(CPoint screen) const;
};
