#pragma once
// The static control: text, icon, bitmap or owner-drawn; clicks are announced with SS_NOTIFY.
#include "win32/CtlModel.h"

class CtlStatic : public CtlModel {
public:
    explicit CtlStatic(DWORD style = 0) : CtlModel(style) {}

    HANDLE Image() const { return m_image; }
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    void DrawItem(HDC dc);
    void Paint(HDC dc) override { DrawItem(dc); }

private:
    HANDLE m_image = nullptr;
};
