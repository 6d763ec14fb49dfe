#pragma once
// The progress bar: range, position, step and colours.
#include "win32/controls/CtlModel.h"

class CtlProgress : public CtlModel {
public:
    explicit CtlProgress(DWORD style = 0) : CtlModel(style) {}

    int Pos() const { return m_pos; }
    int Low() const { return m_low; }
    int High() const { return m_high; }
    int Step() const { return m_step; }
    // CLR_DEFAULT when not set.
    COLORREF BarColor() const { return m_bar; }
    COLORREF BackgroundColor() const { return m_background; }
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    int SetPos(int pos);

    int m_low = 0;
    int m_high = 100;
    int m_pos = 0;
    int m_step = 10;
    COLORREF m_bar = 0xFF000000;
    COLORREF m_background = 0xFF000000;
};
