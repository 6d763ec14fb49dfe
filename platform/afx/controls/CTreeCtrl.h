#pragma once
// The tree view control of the class library.
#include "afx/controls/CEdit.h"
#include "afx/CPoint.h"
#include "afx/CRect.h"
#include "afx/CString.h"
#include "afx/windows/CWnd.h"
#include "win32/controls/CommCtrl.h"

class CImageList;

class CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    CTreeCtrl() = default;
    ~CTreeCtrl() override;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    HTREEITEM InsertItem(LPTVINSERTSTRUCT insert);
    HTREEITEM InsertItem(LPCTSTR text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(UINT mask, LPCTSTR text, int image, int selectedImage, UINT state, UINT stateMask,
                         LPARAM param, HTREEITEM parent, HTREEITEM after);
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems();
    BOOL Expand(HTREEITEM item, UINT code);
    BOOL GetItem(TVITEM* item) const;
    BOOL SetItem(TVITEM* item);
    CString GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, LPCTSTR text);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
    BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    BOOL SetItemImage(HTREEITEM item, int image, int selectedImage);
    UINT GetItemState(HTREEITEM item, UINT mask) const;
    BOOL SetItemState(HTREEITEM item, UINT state, UINT mask);
    BOOL ItemHasChildren(HTREEITEM item) const;
    UINT GetCount() const;
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const;
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetSelectedItem() const;
    HTREEITEM GetDropHilightItem() const;
    HTREEITEM GetFirstVisibleItem() const;
    HTREEITEM GetNextVisibleItem(HTREEITEM item) const;
    BOOL Select(HTREEITEM item, UINT code);
    BOOL SelectItem(HTREEITEM item);
    BOOL SelectDropTarget(HTREEITEM item);
    HTREEITEM HitTest(CPoint point, UINT* flags = nullptr) const;
    HTREEITEM HitTest(TVHITTESTINFO* info) const;
    BOOL GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const;
    BOOL EnsureVisible(HTREEITEM item);
    BOOL SortChildren(HTREEITEM item);
    UINT GetIndent() const;
    void SetIndent(UINT indent);
    UINT GetVisibleCount() const;
    CImageList* SetImageList(CImageList* list, int which);
    CImageList* GetImageList(UINT which) const;
    CEdit* EditLabel(HTREEITEM item);
    CEdit* GetEditControl();

private:
    CEdit m_labelEdit;
};
