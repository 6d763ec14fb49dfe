#include "afx/controls/CHeaderCtrl.h"
#include "afx/controls/CImageList.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

BOOL CHeaderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(WC_HEADER, nullptr, style, rect, parent, id);
}

int CHeaderCtrl::GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }
BOOL CHeaderCtrl::GetItem(int index, HDITEM* item) const { return static_cast<BOOL>(SendMessage(HDM_GETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item))); }
BOOL CHeaderCtrl::SetItem(int index, HDITEM* item) { return static_cast<BOOL>(SendMessage(HDM_SETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item))); }
int CHeaderCtrl::InsertItem(int index, HDITEM* item) { return static_cast<int>(SendMessage(HDM_INSERTITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item))); }
BOOL CHeaderCtrl::DeleteItem(int index) { return static_cast<BOOL>(SendMessage(HDM_DELETEITEM, static_cast<WPARAM>(index))); }
BOOL CHeaderCtrl::GetItemRect(int index, LPRECT rect) const { return static_cast<BOOL>(SendMessage(HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect))); }

CImageList* CHeaderCtrl::SetImageList(CImageList* list)
{
    auto old = reinterpret_cast<HIMAGELIST>(SendMessage(HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list ? list->m_hImageList : nullptr)));
    return CImageList::FromHandle(old);
}

CImageList* CHeaderCtrl::GetImageList() const
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(HDM_GETIMAGELIST)));
}
