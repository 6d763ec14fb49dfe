#pragma once
// The static control of the class library.
#include "afx/controls/AfxDrawnControl.h"

class CStatic : public AfxDrawnControl {
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;
    BOOL Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xffff);
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
};
