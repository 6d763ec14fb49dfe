#pragma once
// The tab control of the class library.
#include "afx/windows/CWnd.h"
#include "win32/controls/CommCtrl.h"

class CImageList;

class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    CTabCtrl() = default;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int GetItemCount() const;
    BOOL GetItem(int index, TCITEM* item) const;
    BOOL SetItem(int index, TCITEM* item);
    LONG InsertItem(int index, TCITEM* item);
    LONG InsertItem(int index, LPCTSTR text);
    LONG InsertItem(int index, LPCTSTR text, int image);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetCurFocus() const;
    void SetCurFocus(int index);
    BOOL GetItemRect(int index, LPRECT rect) const;
    int HitTest(TCHITTESTINFO* info) const;
    // larger: from a display area to the window rectangle; else the other way round.
    void AdjustRect(BOOL larger, LPRECT rect);
    int GetRowCount() const;
    CImageList* SetImageList(CImageList* list);
    CImageList* GetImageList() const;
};
