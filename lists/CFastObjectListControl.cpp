#include "CFastObjectListControl.h"

#include "afx/windows/MessageMap.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CFastObjectListControl, CObjectListControl)
    ON_NOTIFY_REFLECT(LVN_GETDISPINFO, OnGetdispinfo)
END_MESSAGE_MAP()

BOOL CFastObjectListControl::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= LVS_OWNERDATA;
    return CObjectListControl::PreCreateWindow(cs);
}

long CFastObjectListControl::CreateChildDisplayHandle(CObjectDisplay* display, CPersistObject* object, int index)
{
    if (!display || !object)
        return -1;
    return index;
}

void CFastObjectListControl::SyncDisplays()
{
    if (!m_hWnd)
        return;
    SetItemCountEx(GetChildDisplayCount(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    Invalidate();
}

void CFastObjectListControl::RefreshOneDisplay(CObjectDisplay* display)
{
    int row = GetListIndex(display);
    if (row < 0)
        return;
    CheckItem(row, GetObjectChecked(display->GetObjectA()));
    Invalidate();
}

CObjectDisplay* CFastObjectListControl::DisplayOfRow(int row)
{
    return GetChildDisplay(row);
}

int CFastObjectListControl::RowOfDisplay(CObjectDisplay* display)
{
    if (!display || !m_hWnd)
        return -1;
    // Before SyncDisplays the list has no row for the displays beyond its count.
    int row = GetChildDisplayIndex(display);
    return row < std::min(GetItemCount(), GetChildDisplayCount()) ? row : -1;
}

void CFastObjectListControl::OnGetdispinfo(NMHDR* notice, LRESULT* result)
{
    *result = 0;
    LVITEM& item = reinterpret_cast<NMLVDISPINFO*>(notice)->item;
    CObjectDisplay* display = GetChildDisplay(item.iItem);
    if (!display)
        return;
    CPersistObject* object = display->GetObjectA();
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        mDispText = GetObjectText(object, item.iSubItem, false);
        CopyTextCut(item.pszText, static_cast<size_t>(item.cchTextMax), mDispText);
    }
    if (item.mask & LVIF_IMAGE)
        item.iImage = GetObjectImage(object);
}
