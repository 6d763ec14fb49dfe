#pragma once
// The list box control of the class library; owner-drawn lists draw, measure, compare and
// free their items in the virtual functions of AfxListControl.
#include "afx/controls/AfxListControl.h"

class CListBox : public AfxListControl<AfxListBoxMessages> {
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int GetText(int index, LPTSTR buffer) const { return ItemText(index, buffer); }
    void GetText(int index, CString& text) const { ItemText(index, text); }
    int GetTextLen(int index) const { return ItemTextLength(index); }
    int GetSel(int index) const;
    int SetSel(int index, BOOL select = TRUE);
    int GetSelCount() const;
    int GetSelItems(int max, int* items) const;
    int GetCaretIndex() const;
    int SetCaretIndex(int index, BOOL scroll = TRUE);
};
