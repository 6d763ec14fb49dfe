#include "afx/controls/CListCtrl.h"
#include "afx/controls/AfxChildWrapper.h"
#include "afx/controls/AfxGrowText.h"
#include "afx/controls/CImageList.h"


IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace {

WPARAM W(int value)
{
    return static_cast<WPARAM>(static_cast<intptr_t>(value));
}

LPARAM P(const void* pointer)
{
    return reinterpret_cast<LPARAM>(pointer);
}

} // namespace

CListCtrl::~CListCtrl()
{
    m_header.Detach();
    m_labelEdit.Detach();
}

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(WC_LISTVIEW, nullptr, style, rect, parent, id);
}

int CListCtrl::GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
void CListCtrl::SetItemCount(int count) { SendMessage(LVM_SETITEMCOUNT, W(count)); }
BOOL CListCtrl::SetItemCountEx(int count, DWORD flags) { return static_cast<BOOL>(SendMessage(LVM_SETITEMCOUNT, W(count), flags)); }
BOOL CListCtrl::GetItem(LVITEM* item) const { return static_cast<BOOL>(SendMessage(LVM_GETITEM, 0, P(item))); }
BOOL CListCtrl::SetItem(const LVITEM* item) { return static_cast<BOOL>(SendMessage(LVM_SETITEM, 0, P(item))); }

BOOL CListCtrl::SetItem(int index, int subItem, UINT mask, LPCTSTR text, int image, UINT state, UINT stateMask, LPARAM param)
{
    LVITEM item{mask, index, subItem, state, stateMask, const_cast<LPSTR>(text), 0, image, param, 0};
    return SetItem(&item);
}

int CListCtrl::InsertItem(const LVITEM* item) { return static_cast<int>(SendMessage(LVM_INSERTITEM, 0, P(item))); }
int CListCtrl::InsertItem(int index, LPCTSTR text) { return InsertItem(LVIF_TEXT, index, text, 0, 0, 0, 0); }
int CListCtrl::InsertItem(int index, LPCTSTR text, int image) { return InsertItem(LVIF_TEXT | LVIF_IMAGE, index, text, 0, 0, image, 0); }

int CListCtrl::InsertItem(UINT mask, int index, LPCTSTR text, UINT state, UINT stateMask, int image, LPARAM param)
{
    LVITEM item{mask, index, 0, state, stateMask, const_cast<LPSTR>(text), 0, image, param, 0};
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int index) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, W(index))); }
BOOL CListCtrl::DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }

int CListCtrl::GetItemText(int index, int subItem, LPTSTR buffer, int max) const
{
    LVITEM item{};
    item.iSubItem = subItem;
    item.pszText = buffer;
    item.cchTextMax = max;
    return static_cast<int>(SendMessage(LVM_GETITEMTEXT, W(index), P(&item)));
}

CString CListCtrl::GetItemText(int index, int subItem) const
{
    return AfxGrowText([&](char* buffer, int size) { return GetItemText(index, subItem, buffer, size); });
}

BOOL CListCtrl::SetItemText(int index, int subItem, LPCTSTR text)
{
    LVITEM item{};
    item.iSubItem = subItem;
    item.pszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXT, W(index), P(&item)));
}

DWORD_PTR CListCtrl::GetItemData(int index) const
{
    LVITEM item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CListCtrl::SetItemData(int index, DWORD_PTR data)
{
    return SetItem(index, 0, LVIF_PARAM, nullptr, 0, 0, 0, static_cast<LPARAM>(data));
}

UINT CListCtrl::GetItemState(int index, UINT mask) const { return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, W(index), mask)); }

BOOL CListCtrl::SetItemState(int index, UINT state, UINT mask)
{
    LVITEM item{};
    item.state = state;
    item.stateMask = mask;
    return SetItemState(index, &item);
}

BOOL CListCtrl::SetItemState(int index, LVITEM* item) { return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, W(index), P(item))); }
BOOL CListCtrl::GetCheck(int index) const { return ((GetItemState(index, LVIS_STATEIMAGEMASK) >> 12) - 1) > 0 ? TRUE : FALSE; }
BOOL CListCtrl::SetCheck(int index, BOOL check) { return SetItemState(index, INDEXTOSTATEIMAGEMASK(check ? 2 : 1), LVIS_STATEIMAGEMASK); }
int CListCtrl::GetNextItem(int index, int flags) const { return static_cast<int>(SendMessage(LVM_GETNEXTITEM, W(index), MAKELPARAM(flags, 0))); }
UINT CListCtrl::GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
int CListCtrl::GetSelectionMark() const { return static_cast<int>(SendMessage(LVM_GETSELECTIONMARK)); }
int CListCtrl::SetSelectionMark(int index) { return static_cast<int>(SendMessage(LVM_SETSELECTIONMARK, 0, index)); }

int CListCtrl::InsertColumn(int index, const LVCOLUMN* column) { return static_cast<int>(SendMessage(LVM_INSERTCOLUMN, W(index), P(column))); }

int CListCtrl::InsertColumn(int index, LPCTSTR heading, int format, int width, int subItem)
{
    LVCOLUMN column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.fmt = format;
    column.pszText = const_cast<LPSTR>(heading);
    if (width != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = width;
    }
    if (subItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = subItem;
    }
    return InsertColumn(index, &column);
}

BOOL CListCtrl::DeleteColumn(int index) { return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, W(index))); }
BOOL CListCtrl::GetColumn(int index, LVCOLUMN* column) const { return static_cast<BOOL>(SendMessage(LVM_GETCOLUMN, W(index), P(column))); }
BOOL CListCtrl::SetColumn(int index, const LVCOLUMN* column) { return static_cast<BOOL>(SendMessage(LVM_SETCOLUMN, W(index), P(column))); }
int CListCtrl::GetColumnWidth(int index) const { return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, W(index))); }
BOOL CListCtrl::SetColumnWidth(int index, int width) { return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, W(index), MAKELPARAM(width, 0))); }

CHeaderCtrl* CListCtrl::GetHeaderCtrl()
{
    return AfxWrapChild(m_header, reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)));
}

CImageList* CListCtrl::SetImageList(CImageList* list, int which)
{
    auto old = reinterpret_cast<HIMAGELIST>(SendMessage(LVM_SETIMAGELIST, W(which), P(list ? list->m_hImageList : nullptr)));
    return CImageList::FromHandle(old);
}

CImageList* CListCtrl::GetImageList(int which) const
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, W(which))));
}

DWORD CListCtrl::GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
DWORD CListCtrl::SetExtendedStyle(DWORD style) { return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style)); }
int CListCtrl::HitTest(LVHITTESTINFO* info) const { return static_cast<int>(SendMessage(LVM_HITTEST, 0, P(info))); }

int CListCtrl::HitTest(CPoint point, UINT* flags) const
{
    LVHITTESTINFO info{};
    info.pt = point;
    int item = HitTest(&info);
    if (flags) *flags = info.flags;
    return item;
}

int CListCtrl::SubItemHitTest(LVHITTESTINFO* info) { return static_cast<int>(SendMessage(LVM_SUBITEMHITTEST, 0, P(info))); }

BOOL CListCtrl::GetItemRect(int index, LPRECT rect, UINT code) const
{
    if (!rect) return FALSE;
    rect->left = static_cast<LONG>(code);
    return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, W(index), P(rect)));
}

BOOL CListCtrl::GetSubItemRect(int index, int subItem, int code, CRect& rect) const
{
    RECT r{code, subItem, 0, 0};
    BOOL ok = static_cast<BOOL>(SendMessage(LVM_GETSUBITEMRECT, W(index), P(&r)));
    if (ok) rect = r;
    return ok;
}

BOOL CListCtrl::EnsureVisible(int index, BOOL partialOk) { return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, W(index), partialOk)); }
int CListCtrl::GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }
int CListCtrl::GetCountPerPage() const { return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)); }
BOOL CListCtrl::SortItems(PFNLVCOMPARE compare, DWORD_PTR data) { return static_cast<BOOL>(SendMessage(LVM_SORTITEMS, data, reinterpret_cast<LPARAM>(compare))); }
int CListCtrl::FindItem(LVFINDINFO* info, int start) const { return static_cast<int>(SendMessage(LVM_FINDITEM, W(start), P(info))); }
BOOL CListCtrl::RedrawItems(int first, int last) { return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, W(first), last)); }
BOOL CListCtrl::Update(int index) { return static_cast<BOOL>(SendMessage(LVM_UPDATE, W(index))); }
COLORREF CListCtrl::GetBkColor() const { return static_cast<COLORREF>(SendMessage(LVM_GETBKCOLOR)); }
BOOL CListCtrl::SetBkColor(COLORREF colour) { return static_cast<BOOL>(SendMessage(LVM_SETBKCOLOR, 0, colour)); }
COLORREF CListCtrl::GetTextColor() const { return static_cast<COLORREF>(SendMessage(LVM_GETTEXTCOLOR)); }
BOOL CListCtrl::SetTextColor(COLORREF colour) { return static_cast<BOOL>(SendMessage(LVM_SETTEXTCOLOR, 0, colour)); }
COLORREF CListCtrl::GetTextBkColor() const { return static_cast<COLORREF>(SendMessage(LVM_GETTEXTBKCOLOR)); }
BOOL CListCtrl::SetTextBkColor(COLORREF colour) { return static_cast<BOOL>(SendMessage(LVM_SETTEXTBKCOLOR, 0, colour)); }
CEdit* CListCtrl::GetEditControl() { return AfxWrapChild(m_labelEdit, reinterpret_cast<HWND>(SendMessage(LVM_GETEDITCONTROL))); }

CEdit* CListCtrl::EditLabel(int index)
{
    SendMessage(LVM_EDITLABEL, W(index));
    return GetEditControl();
}
