#include "TObjectListBase.h"

#include "CObjectListDisplay.h"
#include "CPersistObject.h"
#include "CReportCtrl.h"
#include "UStringUtils.h"
#include "afx/gdi/CBitmap.h"
#include "afx/controls/CHeaderCtrl.h"
#include "afx/controls/CListCtrl.h"
#include "win32/CodePage.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

template <class TList>
TObjectListBase<TList>::~TObjectListBase()
{
    // The rows go with the window; the displays must not reach for them afterwards.
    Unbind();
}

template <class TList>
void TObjectListBase<TList>::Unbind()
{
    SelectAll(false);
    SetObject(nullptr);
}

template <class TList>
UINT TObjectListBase<TList>::GetImageListResource(int&, int&)
{
    return 0;
}

template <class TList>
CString TObjectListBase<TList>::GetObjectText(CPersistObject*, int, bool)
{
    return CString();
}

template <class TList>
int TObjectListBase<TList>::GetObjectImage(CPersistObject*)
{
    return 0;
}

template <class TList>
bool TObjectListBase<TList>::GetObjectChecked(CPersistObject*)
{
    return false;
}

template <class TList>
bool TObjectListBase<TList>::CheckObject(CPersistObject*, bool)
{
    return false;
}

template <class TList>
CObjectDisplay* TObjectListBase<TList>::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CObjectListDisplay(this) : nullptr;
}

template <class TList>
int TObjectListBase<TList>::GetColumnCount()
{
    if (!this->m_hWnd)
        return 0;
    CHeaderCtrl* header = TList::GetHeaderCtrl();
    return header ? header->GetItemCount() : 0;
}

template <class TList>
long TObjectListBase<TList>::CreateChildDisplayHandle(CObjectDisplay* display, CPersistObject* object, int index)
{
    if (!display || !object || !this->m_hWnd)
        return -1;
    mInserting = true;
    mRowRemoved = false;
    RowsMayDiffer();
    CString text = GetObjectText(object, 0, false);
    const int before = TList::GetItemCount();
    int row = TList::InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, index, text, 0, 0, GetObjectImage(object),
                                AttachRow(display));
    if (row >= 0) {
        mRows.Inserted(display, row, before);
        int columns = GetColumnCount();
        for (int column = 1; column < columns; ++column)
            TList::SetItemText(row, column, GetObjectText(object, column, false));
        CheckItem(row, GetObjectChecked(object));
    } else {
        DetachRow(display);
    }
    mInserting = false;
    return row;
}

template <class TList>
void TObjectListBase<TList>::DisposeChildDisplayHandle(CObjectDisplay* display)
{
    DeleteRow(display);
    DetachRow(display);
    mRowRemoved = true;
    // A virtual list's row states stay where they were while the displays move up.
    RowsMayDiffer();
}

template <class TList>
void TObjectListBase<TList>::DeleteRow(CObjectDisplay* display)
{
    int row = GetListIndex(display);
    if (row < 0)
        return;
    const int before = TList::GetItemCount();
    TList::DeleteItem(row);
    mRows.Removed(display, row, before);
}

template <class TList>
void TObjectListBase<TList>::DisplayChanged(CObjectDisplay* display)
{
    if (display != this) {
        RefreshOneDisplay(display);
        return;
    }
    if (mRowRemoved) {
        mRowRemoved = false;
        return;
    }
    for (int i = 0; i < GetChildDisplayCount(); ++i)
        RefreshOneDisplay(GetChildDisplay(i));
}

template <class TList>
void TObjectListBase<TList>::RefreshOneDisplay(CObjectDisplay* display)
{
    int row = GetListIndex(display);
    if (row < 0)
        return;
    CPersistObject* object = display->GetObjectA();
    int columns = std::max(1, GetColumnCount());
    for (int column = 0; column < columns; ++column)
        TList::SetItemText(row, column, GetObjectText(object, column, false));
    CheckItem(row, GetObjectChecked(object));
}

template <class TList>
void TObjectListBase<TList>::Refresh()
{
    mRefreshing = true;
    RemoveListHeaders();
    CreateListHeaders();
    CObjectDisplay::Refresh();
    mRowRemoved = false;
    mRefreshing = false;
}

template <class TList>
void TObjectListBase<TList>::RemoveListHeaders()
{
    for (int count = GetColumnCount(); count > 0; --count)
        TList::DeleteColumn(0);
}

template <class TList>
CObjectDisplay* TObjectListBase<TList>::DisplayOfRow(int row)
{
    if (!this->m_hWnd || row < 0 || row >= TList::GetItemCount())
        return nullptr;
    return reinterpret_cast<CObjectDisplay*>(static_cast<DWORD_PTR>(TList::GetItemData(row)));
}

template <class TList>
int TObjectListBase<TList>::RowOfDisplay(CObjectDisplay* display)
{
    if (!display || !this->m_hWnd)
        return -1;
    return mRows.Find(display, TList::GetItemCount(), &DisplayAt, this);
}

template <class TList>
const void* TObjectListBase<TList>::DisplayAt(const void* list, int row)
{
    return const_cast<TObjectListBase*>(static_cast<const TObjectListBase*>(list))->DisplayOfRow(row);
}

template <class TList>
int TObjectListBase<TList>::GetListIndex(CObjectDisplay* display)
{
    return RowOfDisplay(display);
}

template <class TList>
CObjectDisplay* TObjectListBase<TList>::GetListDisplay(int index)
{
    return DisplayOfRow(index);
}

template <class TList>
bool TObjectListBase<TList>::IsItemChecked(int row)
{
    return StateImage(TList::GetItemState(row, LVIS_STATEIMAGEMASK)) == 2;
}

template <class TList>
void TObjectListBase<TList>::CheckItem(int row, bool checked)
{
    if (IsItemChecked(row) == checked)
        return;
    bool was = mChecking;
    mChecking = true;
    TList::SetItemState(row, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK);
    mChecking = was;
}

template <class TList>
void TObjectListBase<TList>::SelectChild(CObjectDisplay* display, bool selected)
{
    CObjectDisplay::SelectChild(display, selected);
    int row = GetListIndex(display);
    if (row < 0)
        return;
    TList::SetItemState(row, selected ? (LVIS_SELECTED | LVIS_FOCUSED) : 0, LVIS_SELECTED | LVIS_FOCUSED);
    // A refused change leaves the row unlike its display, with no notice to tell.
    if (((TList::GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) != 0) != selected)
        RowsMayDiffer();
}

template <class TList>
bool TObjectListBase<TList>::GetCellRect(CPoint point, CRect& rect, int& row, int& column)
{
    if (!this->m_hWnd)
        return false;
    LVHITTESTINFO hit{};
    hit.pt = point;
    row = TList::HitTest(&hit);
    CHeaderCtrl* header = TList::GetHeaderCtrl();
    int columns = GetColumnCount();
    CRect first;
    if (columns > 0 && header)
        header->GetItemRect(0, &first);
    // A full-row report answers for every column; only the first column's part counts here.
    if (row >= 0 && (hit.flags & LVHT_ONITEM) && (columns == 0 || point.x < first.right)) {
        column = 0;
        TList::GetItemRect(row, &rect, LVIR_BOUNDS);
        if (columns > 0) {
            rect.left = first.left;
            rect.right = first.right;
        }
        return true;
    }
    // Off the first column: find the row at the first column's label, then the column.
    CRect label;
    if (TList::GetItemCount() == 0 || !TList::GetItemRect(TList::GetTopIndex(), &label, LVIR_LABEL))
        return false;
    hit = {};
    hit.pt = CPoint(label.left + 1, point.y);
    row = TList::HitTest(&hit);
    if (row < 0)
        return false;
    column = 0;
    CRect cell;
    for (int i = 0; header && i < columns; ++i) {
        CRect item;
        header->GetItemRect(i, &item);
        if (point.x >= item.left && point.x <= item.right) {
            column = i;
            cell = item;
            break;
        }
    }
    if (column == 0 && columns > 0)
        cell = first;
    TList::GetItemRect(row, &rect, LVIR_BOUNDS);
    if (columns > 0) {
        rect.left = cell.left;
        rect.right = cell.right;
    }
    return true;
}

template <class TList>
INT_PTR TObjectListBase<TList>::OnToolHitTest(CPoint point, TOOLINFO* info)
{
    CRect rect;
    int row = -1;
    int column = -1;
    if (!GetCellRect(point, rect, row, column))
        return -1;
    UINT_PTR id = static_cast<UINT_PTR>(row + 1) * 65536 + static_cast<UINT_PTR>(column + 1);
    if (info) {
        info->hwnd = this->m_hWnd;
        info->uId = id;
        info->rect = rect;
        info->lpszText = LPSTR_TEXTCALLBACK;
    }
    return static_cast<INT_PTR>(id);
}

template <class TList>
BOOL TObjectListBase<TList>::OnToolTipNotify(UINT, NMHDR* notice, LRESULT* result)
{
    if (result)
        *result = 0;
    if (!notice)
        return FALSE;
    UINT_PTR id = notice->idFrom;
    int row = static_cast<int>(id / 65536) - 1;
    int column = static_cast<int>(id % 65536) - 1;
    CObjectDisplay* display = GetListDisplay(row);
    CString text = (display && column >= 0) ? GetObjectText(display->GetObjectA(), column, true) : CString();
    std::memset(mToolTipText, 0, sizeof mToolTipText);
    if (notice->code == TTN_NEEDTEXTW) {
        auto* wide = reinterpret_cast<WCHAR*>(mToolTipText);
        int room = kToolTipBufferSize / static_cast<int>(sizeof(WCHAR));
        int needed = MultiByteToWideChar(CP_ACP, 0, text, text.GetLength(), nullptr, 0);
        std::u16string all(static_cast<size_t>(std::max(0, needed)), u'\0');
        if (needed > 0)
            MultiByteToWideChar(CP_ACP, 0, text, text.GetLength(), all.data(), needed);
        // Keep what fits, never half of a surrogate pair.
        size_t keep = std::min<size_t>(all.size(), static_cast<size_t>(room - 1));
        if (keep > 0 && keep < all.size() && all[keep - 1] >= 0xD800 && all[keep - 1] <= 0xDBFF)
            --keep;
        std::memcpy(wide, all.data(), keep * sizeof(WCHAR));
        reinterpret_cast<NMTTDISPINFOW*>(notice)->lpszText = wide;
    } else {
        CopyTextCut(mToolTipText, sizeof mToolTipText, text);
        reinterpret_cast<NMTTDISPINFO*>(notice)->lpszText = mToolTipText;
    }
    return TRUE;
}

template <class TList>
void TObjectListBase<TList>::CopyTextCut(char* target, size_t room, const CString& text)
{
    if (!target || room == 0)
        return;
    UStringUtils::strncpy(target, text, static_cast<int>(std::min<size_t>(room - 1, INT_MAX)));
    target[room - 1] = '\0';
}

template <class TList>
BOOL TObjectListBase<TList>::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= LVS_SHOWSELALWAYS;
    if (cs.style & WS_BORDER) {
        cs.style &= ~WS_BORDER;
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
    }
    return TList::PreCreateWindow(cs);
}

template <class TList>
int TObjectListBase<TList>::OnCreate(LPCREATESTRUCT cs)
{
    int result = TList::OnCreate(cs);
    if (result == -1)
        return -1;
    SetupImageList();
    return result;
}

template <class TList>
void TObjectListBase<TList>::SetupImageList()
{
    int width = 48;
    int height = 48;
    UINT resource = GetImageListResource(width, height);
    if (resource == 0)
        return;
    mImageList.DeleteImageList();
    if (!mImageList.Create(width, height, ILC_COLORDDB | ILC_MASK, 0, 1))
        return;
    CBitmap bitmap;
    if (bitmap.LoadBitmap(resource))
        mImageList.Add(static_cast<HBITMAP>(bitmap), RGB(0, 0, 0));
    InstallImageList(&mImageList);
}

template <class TList>
void TObjectListBase<TList>::InstallImageList(CImageList* images)
{
    CListCtrl::SetImageList(images, LVSIL_NORMAL);
    CListCtrl::SetImageList(images, LVSIL_SMALL);
}

template <class TList>
void TObjectListBase<TList>::OnDestroy()
{
    Unbind();
    TList::OnDestroy();
}

template <class TList>
void TObjectListBase<TList>::OnClose()
{
    Unbind();
    TList::OnClose();
}

template <class TList>
void TObjectListBase<TList>::OnItemchanging(NMHDR* notice, LRESULT* result)
{
    *result = FALSE;
    auto* change = reinterpret_cast<NMLISTVIEW*>(notice);
    if (mInserting || mChecking || !(change->uChanged & LVIF_STATE))
        return;
    int from = StateImage(change->uOldState);
    int to = StateImage(change->uNewState);
    if (from == to || from < 1 || from > 2 || to < 1 || to > 2)
        return;
    CObjectDisplay* display = GetListDisplay(change->iItem);
    if (!display)
        return;
    display->StopListening();
    bool taken = CheckObject(display->GetObjectA(), to == 2);
    display->StartListening();
    if (taken)
        mApprovedCheckRow = change->iItem;
    else
        *result = TRUE;
}

template <class TList>
void TObjectListBase<TList>::OnItemchanged(NMHDR* notice, LRESULT* result)
{
    *result = 0;
    auto* change = reinterpret_cast<NMLISTVIEW*>(notice);
    if (!(change->uChanged & LVIF_STATE))
        return;
    if (mInserting) {
        RowsMayDiffer();
        return;
    }
    SyncSelection(change->iItem);
    int from = StateImage(change->uOldState);
    int to = StateImage(change->uNewState);
    if (mChecking || from == to || from < 1 || from > 2 || to < 1 || to > 2)
        return;
    if (mApprovedCheckRow == change->iItem) {
        // The object took it in the changing step; asking again would ask twice. Its
        // display was not listening then, so the row catches up now.
        mApprovedCheckRow = -1;
        if (CObjectDisplay* display = GetListDisplay(change->iItem))
            RefreshOneDisplay(display);
        return;
    }
    CObjectDisplay* display = GetListDisplay(change->iItem);
    if (!display)
        return;
    CPersistObject* object = display->GetObjectA();
    if (!CheckObject(object, to == 2))
        CheckItem(change->iItem, GetObjectChecked(object));
}

template <class TList>
void TObjectListBase<TList>::SyncSelection(int changedRow)
{
    if (mRowsInStep && changedRow >= 0 && changedRow < TList::GetItemCount()) {
        SyncRowSelection(changedRow);
        return;
    }
    // A walk that something broke into from a listener proves nothing about the rows.
    const unsigned breaks = mStepBreaks;
    int count = TList::GetItemCount();
    for (int row = 0; row < count; ++row)
        SyncRowSelection(row);
    mRowsInStep = breaks == mStepBreaks;
}

template <class TList>
void TObjectListBase<TList>::SyncRowSelection(int row)
{
    CObjectDisplay* display = GetListDisplay(row);
    bool selected = (TList::GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
    if (display && display->IsSelected() != selected) {
        display->SetSelected(selected);
        Broadcast(kDisplaySelectionMessage, display, &selected);
    }
}

template <class TList>
void TObjectListBase<TList>::RowsMayDiffer()
{
    mRowsInStep = false;
    ++mStepBreaks;
}

template <class TList>
void TObjectListBase<TList>::OnEndlabeledit(NMHDR* notice, LRESULT* result)
{
    *result = FALSE;
    auto* info = reinterpret_cast<NMLVDISPINFO*>(notice);
    if (!info->item.pszText)
        return;
    CObjectDisplay* display = GetListDisplay(info->item.iItem);
    if (!display)
        return;
    display->SetObjectText(info->item.pszText, 0);
    // The row shows what the object took, not what was typed.
    RefreshOneDisplay(display);
}

template class TObjectListBase<CListCtrl>;
template class TObjectListBase<CReportCtrl>;
