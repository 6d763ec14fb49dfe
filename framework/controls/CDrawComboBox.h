#pragma once
// An owner-drawn combo that paints each item's background; subclasses draw the text.
#include "afx/controls/CComboBox.h"

class CDrawComboBox : public CComboBox {
public:
    CDrawComboBox() = default;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void DrawItem(LPDRAWITEMSTRUCT item) override;
    void MeasureItem(LPMEASUREITEMSTRUCT) override {}
    int CompareItem(LPCOMPAREITEMSTRUCT) override { return 0; }
};
