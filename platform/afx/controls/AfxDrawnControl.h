#pragma once
// A control that draws itself when owner-drawn: the reflected WM_DRAWITEM goes to DrawItem.
#include "afx/windows/CWnd.h"
#include "win32/controls/CtlMessages.h"

class AfxDrawnControl : public CWnd {
public:
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, result);
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        if (result) *result = TRUE;
        return TRUE;
    }
};
