#pragma once
// A check box drawn from bitmaps: the four of the bitmap button and a checked one.
#include "afx/controls/CBitmapButton.h"

class CBitmapCheckBox : public CBitmapButton {
public:
    CBitmapCheckBox() = default;

    BOOL LoadCheckedBitmap(LPCTSTR name);
    BOOL LoadCheckedBitmap(UINT id);
    void SetCheck(int checked);
    int GetCheck() const { return m_check; }

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    void OnLButtonUp(UINT flags, CPoint point);
    // The check flag, for whoever asks the window (a screen reader's view of it).
    LRESULT OnGetCheck(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    CBitmap m_bitmapChecked;
    int m_check = 0;
};
