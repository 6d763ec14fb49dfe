#pragma once
// The button: push, default push, check box (two and three states, automatic or not), radio
// button, group box and owner-drawn; pressed by the mouse or the space bar, clicked on release.
#include "win32/controls/CtlModel.h"

class CtlButton : public CtlModel {
public:
    explicit CtlButton(DWORD style = 0);

    DWORD Type() const;
    int Check() const { return m_check; }
    bool IsPushed() const { return m_pushed; }
    bool HasFocusState() const { return m_focus; }
    HANDLE Image(int type) const { return type == 0 ? m_bitmap : m_icon; }

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    // A full click: press and release inside the button, as the mouse does it.
    void UserClick();
    // Sends WM_DRAWITEM for an owner-drawn button into the given device context.
    void DrawItem(HDC dc);
    void Paint(HDC dc) override { DrawItem(dc); }

private:
    void Click();
    void SetPushed(bool on);
    void SetCheck(int check);

    int m_check = 0;
    bool m_pushed = false;
    bool m_focus = false;
    bool m_tracking = false;
    HANDLE m_bitmap = nullptr;
    HANDLE m_icon = nullptr;
};
