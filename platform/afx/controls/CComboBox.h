#pragma once
// The combo box control of the class library; owner-drawn combos draw, measure, compare and
// free their items in the virtual functions of AfxListControl.
#include "afx/controls/AfxListControl.h"

class CComboBox : public AfxListControl<AfxComboMessages> {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int GetLBText(int index, LPTSTR buffer) const { return ItemText(index, buffer); }
    void GetLBText(int index, CString& text) const { ItemText(index, text); }
    int GetLBTextLen(int index) const { return ItemTextLength(index); }
    DWORD GetEditSel() const;
    BOOL SetEditSel(int start, int end);
    BOOL LimitText(int max);
    BOOL GetDroppedState() const;
    void ShowDropDown(BOOL show = TRUE);
    void Clear();
    void Copy();
    void Cut();
    void Paste();
};
