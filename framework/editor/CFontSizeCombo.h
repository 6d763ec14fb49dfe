#pragma once
// A combo of point sizes; a size not in the list shows in the edit part.
#include "afx/controls/CComboBox.h"

class CFontSizeCombo : public CComboBox {
public:
    CFontSizeCombo() = default;

    void LoadSizes();
    void SetSize(int points);
    // Selects the item of exactly that size, or shows the number in the edit part.
    void Select(int points);
    int GetSize() const;
    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    DECLARE_MESSAGE_MAP()

private:
    int m_size = 12;
};
