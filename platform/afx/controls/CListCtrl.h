#pragma once
// The list view control of the class library.
#include "afx/controls/CEdit.h"
#include "afx/controls/CHeaderCtrl.h"
#include "afx/CPoint.h"
#include "afx/CRect.h"
#include "afx/CString.h"
#include "afx/windows/CWnd.h"
#include "win32/controls/CommCtrl.h"

class CImageList;

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() = default;
    ~CListCtrl() override;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetItemCount() const;
    void SetItemCount(int count);
    BOOL SetItemCountEx(int count, DWORD flags = LVSICF_NOINVALIDATEALL);
    BOOL GetItem(LVITEM* item) const;
    BOOL SetItem(const LVITEM* item);
    BOOL SetItem(int index, int subItem, UINT mask, LPCTSTR text, int image, UINT state, UINT stateMask, LPARAM param);
    int InsertItem(const LVITEM* item);
    int InsertItem(int index, LPCTSTR text);
    int InsertItem(int index, LPCTSTR text, int image);
    int InsertItem(UINT mask, int index, LPCTSTR text, UINT state, UINT stateMask, int image, LPARAM param);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    int GetItemText(int index, int subItem, LPTSTR buffer, int max) const;
    CString GetItemText(int index, int subItem) const;
    BOOL SetItemText(int index, int subItem, LPCTSTR text);
    DWORD_PTR GetItemData(int index) const;
    BOOL SetItemData(int index, DWORD_PTR data);
    UINT GetItemState(int index, UINT mask) const;
    BOOL SetItemState(int index, UINT state, UINT mask);
    BOOL SetItemState(int index, LVITEM* item);
    BOOL GetCheck(int index) const;
    BOOL SetCheck(int index, BOOL check = TRUE);
    int GetNextItem(int index, int flags) const;
    UINT GetSelectedCount() const;
    int GetSelectionMark() const;
    int SetSelectionMark(int index);

    int InsertColumn(int index, const LVCOLUMN* column);
    int InsertColumn(int index, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL DeleteColumn(int index);
    BOOL GetColumn(int index, LVCOLUMN* column) const;
    BOOL SetColumn(int index, const LVCOLUMN* column);
    int GetColumnWidth(int index) const;
    BOOL SetColumnWidth(int index, int width);
    CHeaderCtrl* GetHeaderCtrl();

    CImageList* SetImageList(CImageList* list, int which);
    CImageList* GetImageList(int which) const;
    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD style);

    int HitTest(LVHITTESTINFO* info) const;
    int HitTest(CPoint point, UINT* flags = nullptr) const;
    int SubItemHitTest(LVHITTESTINFO* info);
    BOOL GetItemRect(int index, LPRECT rect, UINT code) const;
    BOOL GetSubItemRect(int index, int subItem, int code, CRect& rect) const;
    BOOL EnsureVisible(int index, BOOL partialOk);
    int GetTopIndex() const;
    int GetCountPerPage() const;
    BOOL SortItems(PFNLVCOMPARE compare, DWORD_PTR data);
    int FindItem(LVFINDINFO* info, int start = -1) const;
    BOOL RedrawItems(int first, int last);
    BOOL Update(int index);
    COLORREF GetBkColor() const;
    BOOL SetBkColor(COLORREF colour);
    COLORREF GetTextColor() const;
    BOOL SetTextColor(COLORREF colour);
    COLORREF GetTextBkColor() const;
    BOOL SetTextBkColor(COLORREF colour);
    CEdit* GetEditControl();
    // Opens the in-place edit box over an item's label (LVS_EDITLABELS); -1 ends any.
    CEdit* EditLabel(int index);

private:
    CHeaderCtrl m_header;
    CEdit m_labelEdit;
};
