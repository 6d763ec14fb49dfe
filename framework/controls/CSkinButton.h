#pragma once
// A button shaped and drawn by its skin bitmap: frames normal, pressed, held (the mouse
// is captured but the pointer left the button) and disabled.
#include "CSkinObject.h"
#include "afx/controls/CButton.h"

class CSkinButton : public CButton, public CSkinObject {
public:
    enum { kNormalFrame = 0, kPressedFrame = 1, kHeldFrame = 2, kDisabledFrame = 3 };

    CSkinButton();

    // The window takes the shape of the transparency region.
    void LoadImageA(CBitmap& bitmap) override;
    int GetDrawIndex(bool selected, bool focused, bool disabled) const;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT item) override;
};
