#pragma once
// The owner-drawn object list: each row is drawn by DrawObject, and the one column
// follows the control's width.
#include "CObjectListControl.h"

class CDC;
struct DRAWITEMSTRUCT;
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;

class CDrawObjectListControl : public CObjectListControl {
public:
    CDrawObjectListControl() = default;

    virtual void DrawItem(LPDRAWITEMSTRUCT item);
    virtual void DrawObject(CDC* dc, const CRect& rect, CObjectDisplay* display);
    void AutoResize();

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnSize(UINT type, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
