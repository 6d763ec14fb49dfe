#pragma once
// What the class library's combo box and list box share: the item messages under each
// control's own numbers, and the owner-draw messages reflected to their virtual functions.
#include "afx/CString.h"
#include "afx/windows/CWnd.h"
#include "win32/controls/CtlMessages.h"

#include <vector>

struct AfxComboMessages {
    static constexpr UINT Count = CB_GETCOUNT, CurSel = CB_GETCURSEL, SetCurSel = CB_SETCURSEL, GetData = CB_GETITEMDATA,
                          SetData = CB_SETITEMDATA, Text = CB_GETLBTEXT, TextLen = CB_GETLBTEXTLEN,
                          SetHeight = CB_SETITEMHEIGHT, GetHeight = CB_GETITEMHEIGHT, GetTop = CB_GETTOPINDEX,
                          SetTop = CB_SETTOPINDEX, Add = CB_ADDSTRING, Delete = CB_DELETESTRING, Insert = CB_INSERTSTRING,
                          Reset = CB_RESETCONTENT, Find = CB_FINDSTRING, FindExact = CB_FINDSTRINGEXACT,
                          Select = CB_SELECTSTRING;
};

struct AfxListBoxMessages {
    static constexpr UINT Count = LB_GETCOUNT, CurSel = LB_GETCURSEL, SetCurSel = LB_SETCURSEL, GetData = LB_GETITEMDATA,
                          SetData = LB_SETITEMDATA, Text = LB_GETTEXT, TextLen = LB_GETTEXTLEN,
                          SetHeight = LB_SETITEMHEIGHT, GetHeight = LB_GETITEMHEIGHT, GetTop = LB_GETTOPINDEX,
                          SetTop = LB_SETTOPINDEX, Add = LB_ADDSTRING, Delete = LB_DELETESTRING, Insert = LB_INSERTSTRING,
                          Reset = LB_RESETCONTENT, Find = LB_FINDSTRING, FindExact = LB_FINDSTRINGEXACT,
                          Select = LB_SELECTSTRING;
};

template <typename M>
class AfxListControl : public CWnd {
public:
    int GetCount() const { return Int(M::Count); }
    int GetCurSel() const { return Int(M::CurSel); }
    int SetCurSel(int index) { return Int(M::SetCurSel, Index(index)); }
    DWORD_PTR GetItemData(int index) const { return static_cast<DWORD_PTR>(SendMessage(M::GetData, Index(index))); }
    int SetItemData(int index, DWORD_PTR data) { return Int(M::SetData, Index(index), static_cast<LPARAM>(data)); }
    void* GetItemDataPtr(int index) const { return reinterpret_cast<void*>(GetItemData(index)); }
    int SetItemDataPtr(int index, void* data) { return SetItemData(index, reinterpret_cast<DWORD_PTR>(data)); }
    int SetItemHeight(int index, UINT height) { return Int(M::SetHeight, Index(index), MAKELPARAM(height, 0)); }
    int GetItemHeight(int index) const { return Int(M::GetHeight, Index(index)); }
    int GetTopIndex() const { return Int(M::GetTop); }
    int SetTopIndex(int index) { return Int(M::SetTop, Index(index)); }
    int AddString(LPCTSTR text) { return Int(M::Add, 0, Text(text)); }
    int DeleteString(UINT index) { return Int(M::Delete, index); }
    int InsertString(int index, LPCTSTR text) { return Int(M::Insert, Index(index), Text(text)); }
    void ResetContent() { SendMessage(M::Reset); }
    int FindString(int after, LPCTSTR text) const { return Int(M::Find, Index(after), Text(text)); }
    int FindStringExact(int after, LPCTSTR text) const { return Int(M::FindExact, Index(after), Text(text)); }
    int SelectString(int after, LPCTSTR text) { return Int(M::Select, Index(after), Text(text)); }

    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    virtual void MeasureItem(LPMEASUREITEMSTRUCT) {}
    virtual int CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
    virtual void DeleteItem(LPDELETEITEMSTRUCT) {}

protected:
    int ItemText(int index, LPTSTR buffer) const { return Int(M::Text, Index(index), reinterpret_cast<LPARAM>(buffer)); }
    int ItemTextLength(int index) const { return Int(M::TextLen, Index(index)); }
    void ItemText(int index, CString& text) const
    {
        int length = ItemTextLength(index);
        text.Empty();
        if (length < 0) return;
        // Room for the text, or for the item data of a list without strings.
        std::vector<char> buffer(static_cast<size_t>(length) + 1 + sizeof(DWORD_PTR), '\0');
        ItemText(index, buffer.data());
        text = buffer.data();
    }

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        LRESULT answer = TRUE;
        switch (message) {
        case WM_DRAWITEM: DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); break;
        case WM_MEASUREITEM: MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); break;
        case WM_COMPAREITEM: answer = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)); break;
        case WM_DELETEITEM: DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)); break;
        default: return CWnd::OnChildNotify(message, wParam, lParam, result);
        }
        if (result) *result = answer;
        return TRUE;
    }

private:
    static WPARAM Index(int index) { return static_cast<WPARAM>(static_cast<intptr_t>(index)); }
    static LPARAM Text(LPCTSTR text) { return reinterpret_cast<LPARAM>(text); }
    int Int(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return static_cast<int>(SendMessage(message, wParam, lParam));
    }
};
