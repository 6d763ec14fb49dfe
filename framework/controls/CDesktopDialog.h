#pragma once
// A full-screen picture of the desktop on which the user drags the rectangle to capture.
#include "CScreenCapture.h"
#include "CScreenDrag.h"
#include "afx/windows/CDialog.h"

#include <memory>

class StSelectCursor;

class CDesktopDialog : public CDialog {
public:
    explicit CDesktopDialog(CWnd* parent = nullptr);
    ~CDesktopDialog() override;

    // The picked rectangle, after the dialog ended.
    unsigned short GetX() const { return m_x; }
    unsigned short GetY() const { return m_y; }
    unsigned short GetWidth() const { return m_width; }
    unsigned short GetHeight() const { return m_height; }

    void StartTracking() { m_drag.StartTracking(m_hWnd); }
    void Reset() { m_drag.Reset(); }

    BOOL OnInitDialog() override;

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CScreenCapture m_capture;
    std::unique_ptr<StSelectCursor> m_cursor;
    CScreenDrag m_drag;
    unsigned short m_x = 0, m_y = 0, m_width = 0, m_height = 0;
};
