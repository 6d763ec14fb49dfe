#include "afx/controls/CTabCtrl.h"
#include "afx/controls/CImageList.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(WC_TABCONTROL, nullptr, style, rect, parent, id);
}

int CTabCtrl::GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
BOOL CTabCtrl::GetItem(int index, TCITEM* item) const { return static_cast<BOOL>(SendMessage(TCM_GETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item))); }
BOOL CTabCtrl::SetItem(int index, TCITEM* item) { return static_cast<BOOL>(SendMessage(TCM_SETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item))); }
LONG CTabCtrl::InsertItem(int index, TCITEM* item) { return static_cast<LONG>(SendMessage(TCM_INSERTITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item))); }

LONG CTabCtrl::InsertItem(int index, LPCTSTR text)
{
    TCITEM item{TCIF_TEXT, 0, 0, const_cast<LPSTR>(text), 0, -1, 0};
    return InsertItem(index, &item);
}

LONG CTabCtrl::InsertItem(int index, LPCTSTR text, int image)
{
    TCITEM item{TCIF_TEXT | TCIF_IMAGE, 0, 0, const_cast<LPSTR>(text), 0, image, 0};
    return InsertItem(index, &item);
}

BOOL CTabCtrl::DeleteItem(int index) { return static_cast<BOOL>(SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(index))); }
BOOL CTabCtrl::DeleteAllItems() { return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS)); }
int CTabCtrl::GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
int CTabCtrl::SetCurSel(int index) { return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(index))); }
int CTabCtrl::GetCurFocus() const { return static_cast<int>(SendMessage(TCM_GETCURFOCUS)); }
void CTabCtrl::SetCurFocus(int index) { SendMessage(TCM_SETCURFOCUS, static_cast<WPARAM>(index)); }
BOOL CTabCtrl::GetItemRect(int index, LPRECT rect) const { return static_cast<BOOL>(SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect))); }
int CTabCtrl::HitTest(TCHITTESTINFO* info) const { return static_cast<int>(SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(info))); }
void CTabCtrl::AdjustRect(BOOL larger, LPRECT rect) { SendMessage(TCM_ADJUSTRECT, static_cast<WPARAM>(larger), reinterpret_cast<LPARAM>(rect)); }
int CTabCtrl::GetRowCount() const { return static_cast<int>(SendMessage(TCM_GETROWCOUNT)); }

CImageList* CTabCtrl::SetImageList(CImageList* list)
{
    auto old = reinterpret_cast<HIMAGELIST>(SendMessage(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list ? list->m_hImageList : nullptr)));
    return CImageList::FromHandle(old);
}

CImageList* CTabCtrl::GetImageList() const
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(TCM_GETIMAGELIST)));
}
