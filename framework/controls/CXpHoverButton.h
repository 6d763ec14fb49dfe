#pragma once
// A themed button that repeats its click while held down: after the delay, each hover of the
// pointer on the pressed button sends the parent another click.
#include "CXpButton.h"
#include "win32/controls/CommCtrl.h"

class CXpHoverButton : public CXpButton {
public:
    static constexpr DWORD kHoverTimeMs = 20;
    static constexpr DWORD kRepeatDelayMs = 500;

    CXpHoverButton();

    bool IsPressed() const { return m_pressed; }

protected:
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    TRACKMOUSEEVENT m_track{};
    bool m_pressed = false;
    DWORD m_pressedAt = 0;
    DWORD m_delay = kRepeatDelayMs;
};
