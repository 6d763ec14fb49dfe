#pragma once
// The button control of the class library; owner-drawn buttons draw themselves in DrawItem.
#include "afx/controls/AfxDrawnControl.h"

class CButton : public AfxDrawnControl {
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;
    BOOL Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    UINT GetState() const;
    void SetState(BOOL highlight);
    int GetCheck() const;
    void SetCheck(int check);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
};
