#pragma once
// A window that lets the user drag a rectangle over the live desktop; it keeps no result.
#include "CScreenDrag.h"
#include "afx/windows/CWnd.h"

class CDesktopDrag : public CWnd {
public:
    CDesktopDrag() = default;

    void StartTracking() { m_drag.StartTracking(m_hWnd); }
    void Reset() { m_drag.Reset(); }
    bool IsTracking() const { return m_drag.IsTracking(); }

protected:
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CScreenDrag m_drag;
};
