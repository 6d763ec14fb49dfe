#include "afx/controls/CListBox.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("LISTBOX", nullptr, style, rect, parent, id);
}

int CListBox::GetSel(int index) const { return static_cast<int>(SendMessage(LB_GETSEL, static_cast<WPARAM>(index))); }
int CListBox::SetSel(int index, BOOL select) { return static_cast<int>(SendMessage(LB_SETSEL, static_cast<WPARAM>(select), index)); }
int CListBox::GetSelCount() const { return static_cast<int>(SendMessage(LB_GETSELCOUNT)); }
int CListBox::GetSelItems(int max, int* items) const
{
    return static_cast<int>(SendMessage(LB_GETSELITEMS, static_cast<WPARAM>(max), reinterpret_cast<LPARAM>(items)));
}
int CListBox::GetCaretIndex() const { return static_cast<int>(SendMessage(LB_GETCARETINDEX)); }
int CListBox::SetCaretIndex(int index, BOOL scroll) { return static_cast<int>(SendMessage(LB_SETCARETINDEX, static_cast<WPARAM>(index), scroll)); }
