#include "afx/controls/CTreeCtrl.h"
#include "afx/controls/AfxChildWrapper.h"
#include "afx/controls/AfxGrowText.h"
#include "afx/controls/CImageList.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace {

LPARAM P(const void* pointer)
{
    return reinterpret_cast<LPARAM>(pointer);
}

} // namespace

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(WC_TREEVIEW, nullptr, style, rect, parent, id);
}

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCT insert) { return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEM, 0, P(insert))); }

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, HTREEITEM parent, HTREEITEM after)
{
    return InsertItem(TVIF_TEXT, text, 0, 0, 0, 0, 0, parent, after);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after)
{
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, text, image, selectedImage, 0, 0, 0, parent, after);
}

HTREEITEM CTreeCtrl::InsertItem(UINT mask, LPCTSTR text, int image, int selectedImage, UINT state, UINT stateMask,
                                LPARAM param, HTREEITEM parent, HTREEITEM after)
{
    TVINSERTSTRUCT insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item = TVITEM{mask, nullptr, state, stateMask, const_cast<LPSTR>(text), 0, image, selectedImage, 0, param};
    return InsertItem(&insert);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM item) { return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, P(item))); }
BOOL CTreeCtrl::DeleteAllItems() { return DeleteItem(TVI_ROOT); }
BOOL CTreeCtrl::Expand(HTREEITEM item, UINT code) { return static_cast<BOOL>(SendMessage(TVM_EXPAND, code, P(item))); }
BOOL CTreeCtrl::GetItem(TVITEM* item) const { return static_cast<BOOL>(SendMessage(TVM_GETITEM, 0, P(item))); }
BOOL CTreeCtrl::SetItem(TVITEM* item) { return static_cast<BOOL>(SendMessage(TVM_SETITEM, 0, P(item))); }

CString CTreeCtrl::GetItemText(HTREEITEM item) const
{
    return AfxGrowText([&](char* buffer, int size) {
        TVITEM get{};
        get.mask = TVIF_TEXT;
        get.hItem = item;
        get.pszText = buffer;
        get.cchTextMax = size;
        return GetItem(&get) ? static_cast<int>(std::strlen(buffer)) : -1;
    });
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, LPCTSTR text)
{
    TVITEM set{};
    set.mask = TVIF_TEXT;
    set.hItem = item;
    set.pszText = const_cast<LPSTR>(text);
    return SetItem(&set);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const
{
    TVITEM get{};
    get.mask = TVIF_PARAM;
    get.hItem = item;
    return GetItem(&get) ? static_cast<DWORD_PTR>(get.lParam) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data)
{
    TVITEM set{};
    set.mask = TVIF_PARAM;
    set.hItem = item;
    set.lParam = static_cast<LPARAM>(data);
    return SetItem(&set);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const
{
    TVITEM get{};
    get.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    get.hItem = item;
    if (!GetItem(&get)) return FALSE;
    image = get.iImage;
    selectedImage = get.iSelectedImage;
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage)
{
    TVITEM set{};
    set.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    set.hItem = item;
    set.iImage = image;
    set.iSelectedImage = selectedImage;
    return SetItem(&set);
}

UINT CTreeCtrl::GetItemState(HTREEITEM item, UINT mask) const { return static_cast<UINT>(SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), mask)); }

BOOL CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT mask)
{
    TVITEM set{};
    set.mask = TVIF_STATE;
    set.hItem = item;
    set.state = state;
    set.stateMask = mask;
    return SetItem(&set);
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const
{
    TVITEM get{};
    get.mask = TVIF_CHILDREN;
    get.hItem = item;
    return GetItem(&get) && get.cChildren ? TRUE : FALSE;
}

UINT CTreeCtrl::GetCount() const { return static_cast<UINT>(SendMessage(TVM_GETCOUNT)); }
HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const { return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, code, P(item))); }
HTREEITEM CTreeCtrl::GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PREVIOUS); }
HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
HTREEITEM CTreeCtrl::GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
HTREEITEM CTreeCtrl::GetDropHilightItem() const { return GetNextItem(nullptr, TVGN_DROPHILITE); }
HTREEITEM CTreeCtrl::GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXTVISIBLE); }
BOOL CTreeCtrl::Select(HTREEITEM item, UINT code) { return static_cast<BOOL>(SendMessage(TVM_SELECTITEM, code, P(item))); }
BOOL CTreeCtrl::SelectItem(HTREEITEM item) { return Select(item, TVGN_CARET); }
BOOL CTreeCtrl::SelectDropTarget(HTREEITEM item) { return Select(item, TVGN_DROPHILITE); }

HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const
{
    TVHITTESTINFO info{};
    info.pt = point;
    HTREEITEM item = HitTest(&info);
    if (flags) *flags = info.flags;
    return item;
}

HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* info) const { return reinterpret_cast<HTREEITEM>(SendMessage(TVM_HITTEST, 0, P(info))); }

BOOL CTreeCtrl::GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const
{
    if (!rect) return FALSE;
    std::memcpy(rect, &item, sizeof item);
    return static_cast<BOOL>(SendMessage(TVM_GETITEMRECT, static_cast<WPARAM>(textOnly), P(rect)));
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM item) { return static_cast<BOOL>(SendMessage(TVM_ENSUREVISIBLE, 0, P(item))); }
BOOL CTreeCtrl::SortChildren(HTREEITEM item) { return static_cast<BOOL>(SendMessage(TVM_SORTCHILDREN, 0, P(item))); }
UINT CTreeCtrl::GetIndent() const { return static_cast<UINT>(SendMessage(TVM_GETINDENT)); }
void CTreeCtrl::SetIndent(UINT indent) { SendMessage(TVM_SETINDENT, indent); }
UINT CTreeCtrl::GetVisibleCount() const { return static_cast<UINT>(SendMessage(TVM_GETVISIBLECOUNT)); }

CImageList* CTreeCtrl::SetImageList(CImageList* list, int which)
{
    auto old = reinterpret_cast<HIMAGELIST>(SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(which), P(list ? list->m_hImageList : nullptr)));
    return CImageList::FromHandle(old);
}

CImageList* CTreeCtrl::GetImageList(UINT which) const
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(TVM_GETIMAGELIST, which)));
}

CTreeCtrl::~CTreeCtrl()
{
    m_labelEdit.Detach();
}

CEdit* CTreeCtrl::EditLabel(HTREEITEM item)
{
    SendMessage(TVM_EDITLABEL, 0, P(item));
    return GetEditControl();
}

CEdit* CTreeCtrl::GetEditControl() { return AfxWrapChild(m_labelEdit, reinterpret_cast<HWND>(SendMessage(TVM_GETEDITCONTROL))); }
