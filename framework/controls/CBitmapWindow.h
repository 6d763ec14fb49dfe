#pragma once
// A window that shows a picture file scaled to its client area.
#include "CBitmapResizer.h"
#include "afx/windows/CWnd.h"

class CBitmapWindow : public CWnd {
public:
    void Load(const char* path);
    CBitmapResizer& GetResizer() { return m_resizer; }

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    void FollowClientSize();

    DECLARE_MESSAGE_MAP()

private:
    CBitmapResizer m_resizer;
};
