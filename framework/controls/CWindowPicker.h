#pragma once
// An icon button from which the user drags the mouse onto any window to pick it; the
// window under the pointer is outlined while dragging.
#include "CBroadcaster.h"
#include "CScreenDrag.h"
#include "CTooltipWindow.h"

inline constexpr long kWindowPickedMessage = 88433342;

class CWindowPicker : public CTooltipWindow, public CBroadcaster {
public:
    CWindowPicker();
    ~CWindowPicker() override;
    CWindowPicker(const CWindowPicker&) = delete;
    CWindowPicker& operator=(const CWindowPicker&) = delete;

    void StartTracking();
    void Reset();
    // Picks the window under a screen point and outlines it unless it is maximised.
    void ProcessDrag(CPoint& point);
    HWND GetWindow() const { return m_picked; }

protected:
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    HICON m_icon = nullptr;
    HCURSOR m_cursor = nullptr;
    HCURSOR m_previousCursor = nullptr;
    CScreenDrag m_drag;
    HWND m_picked = nullptr;
};
