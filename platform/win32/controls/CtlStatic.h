#pragma once
// The static control: text, icon, bitmap or owner-drawn; clicks are announced with SS_NOTIFY.
#include "win32/controls/CtlModel.h"

class CtlStatic : public CtlModel {
public:
    explicit CtlStatic(DWORD style = 0) : CtlModel(style) {}

    struct Colors {
        COLORREF text = 0;
        COLORREF background = 0;
        HBRUSH brush = nullptr;
    };

    HANDLE Image() const { return m_image; }
    // What the parent chose the last time the control was painted (WM_CTLCOLORSTATIC).
    const Colors& PaintedColors() const { return m_painted; }
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    void DrawItem(HDC dc);
    // Owner-drawn statics ask the parent to draw; text statics ask it for their colours
    // and draw their text.
    void Paint(HDC dc) override;

private:
    HANDLE m_image = nullptr;
    Colors m_painted;
};
