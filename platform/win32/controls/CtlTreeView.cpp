#include "win32/controls/CtlTreeView.h"
#include "win32/controls/CtlBusy.h"
#include "win32/CtlText.h"
#include "win32/windowing/MessageQueue.h"

#include <algorithm>
#include <cstring>

CtlTreeView::CtlTreeView(DWORD style) : CtlItemView(style)
{
    m_root.state = TVIS_EXPANDED;
}

CtlTreeView::~CtlTreeView() = default;

CtlTreeView::Item* CtlTreeView::Find(HTREEITEM handle) const
{
    auto* item = reinterpret_cast<Item*>(handle);
    return m_live.count(item) ? item : nullptr;
}

const CtlTreeView::Item* CtlTreeView::ItemOf(HTREEITEM handle) const
{
    return Find(handle);
}

std::vector<std::unique_ptr<CtlTreeView::Item>>& CtlTreeView::Siblings(Item* parent)
{
    return (parent ? parent : &m_root)->kids;
}

int CtlTreeView::Depth(const Item& item) const
{
    int depth = 0;
    for (const Item* p = item.parent; p && p != &m_root; p = p->parent) ++depth;
    return depth;
}

bool CtlTreeView::HasButton(const Item& item) const
{
    return !item.kids.empty() || item.children > 0;
}

std::string CtlTreeView::TextOf(const Item& item) const
{
    if (!item.callback) return item.text;
    char buffer[260] = {};
    NMTVDISPINFO info{};
    info.item.mask = TVIF_TEXT;
    info.item.hItem = Handle(&item);
    info.item.pszText = buffer;
    info.item.cchTextMax = sizeof buffer;
    info.item.lParam = item.param;
    const_cast<CtlTreeView*>(this)->Notify(info.hdr, TVN_GETDISPINFO);
    return info.item.pszText ? std::string(info.item.pszText, strnlen(info.item.pszText, 4096)) : std::string();
}

HTREEITEM CtlTreeView::Insert(const TVINSERTSTRUCT& insert)
{
    Item* parent = &m_root;
    if (insert.hParent && insert.hParent != TVI_ROOT) {
        parent = Find(insert.hParent);
        if (!parent) return nullptr;
    }
    auto item = std::make_unique<Item>();
    const TVITEM& in = insert.item;
    if (in.mask & TVIF_TEXT) {
        item->callback = in.pszText == LPSTR_TEXTCALLBACK;
        if (!item->callback && in.pszText) item->text = in.pszText;
    }
    if (in.mask & TVIF_IMAGE) item->image = in.iImage;
    if (in.mask & TVIF_SELECTEDIMAGE) item->selectedImage = in.iSelectedImage;
    if (in.mask & TVIF_PARAM) item->param = in.lParam;
    if (in.mask & TVIF_STATE) item->state = in.state & in.stateMask;
    if (in.mask & TVIF_CHILDREN) item->children = in.cChildren;
    if ((Style() & TVS_CHECKBOXES) && !(item->state & TVIS_STATEIMAGEMASK)) item->state |= INDEXTOSTATEIMAGEMASK(1);
    item->parent = parent;

    auto& kids = parent->kids;
    size_t at = kids.size();
    if (insert.hInsertAfter == TVI_FIRST) {
        at = 0;
    } else if (insert.hInsertAfter == TVI_SORT) {
        at = 0;
        while (at < kids.size() && CtlCompareNoCase(TextOf(*kids[at]), item->text) <= 0) ++at;
    } else if (insert.hInsertAfter && insert.hInsertAfter != TVI_LAST) {
        Item* after = Find(insert.hInsertAfter);
        auto it = std::find_if(kids.begin(), kids.end(), [&](const auto& k) { return k.get() == after; });
        if (it != kids.end()) at = static_cast<size_t>(it - kids.begin()) + 1;
    }
    Item* raw = item.get();
    kids.insert(kids.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    m_live.insert(raw);
    Changed();
    return Handle(raw);
}

void CtlTreeView::Forget(Item& item)
{
    for (auto& kid : item.kids) Forget(*kid);
    NMTREEVIEW notice{};
    notice.itemOld.mask = TVIF_HANDLE | TVIF_PARAM;
    notice.itemOld.hItem = Handle(&item);
    notice.itemOld.lParam = item.param;
    Notify(notice.hdr, TVN_DELETEITEM);
    m_live.erase(&item);
    if (m_caret == &item) m_caret = nullptr;
    if (m_drop == &item) m_drop = nullptr;
}

bool CtlTreeView::Delete(HTREEITEM handle)
{
    if (!handle || handle == TVI_ROOT) {
        for (auto& kid : m_root.kids) Forget(*kid);
        m_root.kids.clear();
        m_top = 0;
        Changed();
        return true;
    }
    Item* item = Find(handle);
    if (!item) return false;
    // A selection inside the deleted branch moves to a neighbour, or to the parent.
    bool inside = false;
    for (Item* p = m_caret; p && !inside; p = p->parent) inside = p == item;
    if (inside) {
        HTREEITEM next = Next(handle, TVGN_NEXT);
        if (!next) next = Next(handle, TVGN_PREVIOUS);
        if (!next) next = Next(handle, TVGN_PARENT);
        Select(Find(next), TVC_UNKNOWN);
        if (!Find(handle)) return true;
    }
    Forget(*item);
    auto& kids = item->parent->kids;
    kids.erase(std::find_if(kids.begin(), kids.end(), [&](const auto& k) { return k.get() == item; }));
    m_top = std::min<int>(m_top, std::max<int>(0, static_cast<int>(VisibleItems().size()) - 1));
    Changed();
    return true;
}

bool CtlTreeView::GetItem(TVITEM& out) const
{
    const Item* item = Find(out.hItem);
    if (!item) return false;
    if (out.mask & TVIF_TEXT) CtlCopyOut(TextOf(*item), out.pszText, out.cchTextMax);
    if (out.mask & TVIF_IMAGE) out.iImage = item->image;
    if (out.mask & TVIF_SELECTEDIMAGE) out.iSelectedImage = item->selectedImage;
    if (out.mask & TVIF_STATE) out.state = item->state & out.stateMask;
    if (out.mask & TVIF_PARAM) out.lParam = item->param;
    if (out.mask & TVIF_CHILDREN) out.cChildren = item->kids.empty() ? item->children : 1;
    return true;
}

bool CtlTreeView::SetItem(const TVITEM& in)
{
    Item* item = Find(in.hItem);
    if (!item) return false;
    if (in.mask & TVIF_TEXT) {
        item->callback = in.pszText == LPSTR_TEXTCALLBACK;
        item->text = (!item->callback && in.pszText) ? in.pszText : "";
    }
    if (in.mask & TVIF_IMAGE) item->image = in.iImage;
    if (in.mask & TVIF_SELECTEDIMAGE) item->selectedImage = in.iSelectedImage;
    if (in.mask & TVIF_STATE) item->state = (item->state & ~in.stateMask) | (in.state & in.stateMask);
    if (in.mask & TVIF_PARAM) item->param = in.lParam;
    if (in.mask & TVIF_CHILDREN) item->children = in.cChildren;
    Changed();
    return true;
}

std::vector<HTREEITEM> CtlTreeView::VisibleItems() const
{
    std::vector<HTREEITEM> out;
    struct Walk {
        static void Add(const Item& parent, std::vector<HTREEITEM>& out)
        {
            for (const auto& kid : parent.kids) {
                out.push_back(Handle(kid.get()));
                if (kid->state & TVIS_EXPANDED) Add(*kid, out);
            }
        }
    };
    Walk::Add(m_root, out);
    return out;
}

HTREEITEM CtlTreeView::Next(HTREEITEM handle, UINT flag) const
{
    Item* item = Find(handle);
    auto siblingAt = [&](int delta) -> HTREEITEM {
        if (!item) return nullptr;
        auto& kids = item->parent->kids;
        auto it = std::find_if(kids.begin(), kids.end(), [&](const auto& k) { return k.get() == item; });
        auto index = (it - kids.begin()) + delta;
        return index >= 0 && index < static_cast<std::ptrdiff_t>(kids.size()) ? Handle(kids[static_cast<size_t>(index)].get())
                                                                                : nullptr;
    };
    auto visibleAt = [&](int delta) -> HTREEITEM {
        auto visible = VisibleItems();
        auto it = std::find(visible.begin(), visible.end(), handle);
        if (it == visible.end()) return nullptr;
        auto index = (it - visible.begin()) + delta;
        return index >= 0 && index < static_cast<std::ptrdiff_t>(visible.size()) ? visible[static_cast<size_t>(index)]
                                                                                  : nullptr;
    };
    switch (flag) {
    case TVGN_ROOT: return m_root.kids.empty() ? nullptr : Handle(m_root.kids.front().get());
    case TVGN_NEXT: return siblingAt(1);
    case TVGN_PREVIOUS: return siblingAt(-1);
    case TVGN_PARENT: return item && item->parent != &m_root ? Handle(item->parent) : nullptr;
    case TVGN_CHILD: {
        const Item* parent = (!handle || handle == TVI_ROOT) ? &m_root : item;
        return parent && !parent->kids.empty() ? Handle(parent->kids.front().get()) : nullptr;
    }
    case TVGN_CARET: return Handle(m_caret);
    case TVGN_DROPHILITE: return Handle(m_drop);
    case TVGN_FIRSTVISIBLE: {
        auto visible = VisibleItems();
        return m_top < static_cast<int>(visible.size()) ? visible[static_cast<size_t>(m_top)] : nullptr;
    }
    case TVGN_NEXTVISIBLE: return visibleAt(1);
    case TVGN_PREVIOUSVISIBLE: return visibleAt(-1);
    case TVGN_LASTVISIBLE: {
        auto visible = VisibleItems();
        return visible.empty() ? nullptr : visible.back();
    }
    default: return nullptr;
    }
}

void CtlTreeView::FillNotice(NMTREEVIEW& notice, const Item* oldItem, const Item* newItem, UINT action) const
{
    notice.action = action;
    notice.itemOld.mask = notice.itemNew.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE;
    if (oldItem) notice.itemOld = TVITEM{notice.itemOld.mask, Handle(oldItem), oldItem->state, 0xFFFF, nullptr, 0, oldItem->image, oldItem->selectedImage, 0, oldItem->param};
    if (newItem) notice.itemNew = TVITEM{notice.itemNew.mask, Handle(newItem), newItem->state, 0xFFFF, nullptr, 0, newItem->image, newItem->selectedImage, 0, newItem->param};
}

bool CtlTreeView::Select(Item* item, UINT action)
{
    if (item == m_caret) return true;
    NMTREEVIEW notice{};
    FillNotice(notice, m_caret, item, action);
    if (Notify(notice.hdr, TVN_SELCHANGING)) return false; // refused
    if (item && !m_live.count(item)) return false;
    if (m_caret) m_caret->state &= ~static_cast<UINT>(TVIS_SELECTED);
    Item* old = m_caret;
    m_caret = item;
    if (item) {
        item->state |= TVIS_SELECTED;
        for (Item* p = item->parent; p && p != &m_root; p = p->parent) p->state |= TVIS_EXPANDED;
    }
    Changed();
    FillNotice(notice, old && m_live.count(old) ? old : nullptr, item, action);
    Notify(notice.hdr, TVN_SELCHANGED);
    return true;
}

bool CtlTreeView::Expand(Item* item, UINT code, bool user)
{
    if (!item) return false;
    bool open = (item->state & TVIS_EXPANDED) != 0;
    code &= 3;
    bool want = code == TVE_TOGGLE ? !open : code == TVE_EXPAND;
    if (want == open) return false;
    if (want && !HasButton(*item)) return false;
    UINT action = want ? TVE_EXPAND : TVE_COLLAPSE;
    NMTREEVIEW notice{};
    if (user) {
        FillNotice(notice, nullptr, item, action);
        if (Notify(notice.hdr, TVN_ITEMEXPANDING)) return false;
        if (!m_live.count(item)) return false;
    }
    if (want)
        item->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
    else
        item->state &= ~static_cast<UINT>(TVIS_EXPANDED);
    Changed();
    if (user) {
        FillNotice(notice, nullptr, item, action);
        Notify(notice.hdr, TVN_ITEMEXPANDED);
    }
    // A selection hidden by the collapse moves to the collapsed item.
    if (!want && m_caret)
        for (Item* p = m_caret->parent; p; p = p->parent)
            if (p == item) {
                Select(item, user ? TVC_BYMOUSE : TVC_UNKNOWN);
                break;
            }
    return true;
}

void CtlTreeView::Sort(Item* parent, bool recurse)
{
    std::stable_sort(parent->kids.begin(), parent->kids.end(),
                     [&](const auto& a, const auto& b) { return CtlCompareNoCase(TextOf(*a), TextOf(*b)) < 0; });
    if (recurse)
        for (auto& kid : parent->kids) Sort(kid.get(), true);
    Changed();
}

RECT CtlTreeView::ItemRect(HTREEITEM handle, bool textOnly) const
{
    const Item* item = Find(handle);
    auto visible = VisibleItems();
    auto it = std::find(visible.begin(), visible.end(), handle);
    if (!item || it == visible.end()) return RECT{};
    LONG top = static_cast<LONG>((it - visible.begin()) - m_top) * kRowHeight;
    RECT client = Host() ? Host()->ClientRect() : RECT{0, 0, 300, 300};
    if (!textOnly) return RECT{0, top, client.right, top + kRowHeight};
    LONG x = (Depth(*item) + ((Style() & TVS_LINESATROOT) ? 1 : 0)) * m_indent;
    if (m_images[TVSIL_STATE]) x += kIconWidth;
    if (m_images[TVSIL_NORMAL]) x += kIconWidth;
    return RECT{x, top, x + 6 + 7 * static_cast<LONG>(TextOf(*item).size()), top + kRowHeight};
}

HTREEITEM CtlTreeView::HitTest(POINT p, UINT& flags) const
{
    flags = TVHT_NOWHERE;
    if (p.y < 0) return nullptr;
    auto visible = VisibleItems();
    size_t row = static_cast<size_t>(m_top + p.y / kRowHeight);
    if (row >= visible.size()) return nullptr;
    HTREEITEM handle = visible[row];
    const Item& item = *Find(handle);
    LONG left = (Depth(item) + ((Style() & TVS_LINESATROOT) ? 1 : 0)) * m_indent;
    RECT label = ItemRect(handle, true);
    if (p.x >= label.right) {
        flags = TVHT_ONITEMRIGHT;
    } else if (p.x >= label.left) {
        flags = TVHT_ONITEMLABEL;
    } else if (p.x >= left) {
        LONG x = left;
        if (m_images[TVSIL_STATE] && p.x < x + kIconWidth) flags = TVHT_ONITEMSTATEICON;
        else flags = TVHT_ONITEMICON;
    } else if ((Style() & TVS_HASBUTTONS) && HasButton(item) && left >= m_indent && p.x >= left - m_indent) {
        flags = TVHT_ONITEMBUTTON;
    } else {
        flags = TVHT_ONITEMINDENT;
    }
    return handle;
}

void CtlTreeView::UserClick(POINT point, UINT)
{
    CtlBusy busy;
    if (!IsEnabled()) return;
    if (Host()) Host()->TakeFocus();
    UINT flags = 0;
    Item* item = Find(HitTest(point, flags));
    if (item && flags == TVHT_ONITEMBUTTON) {
        Expand(item, TVE_TOGGLE, true);
    } else if (item && (flags & TVHT_ONITEMSTATEICON) && (Style() & TVS_CHECKBOXES)) {
        UINT image = ((item->state & TVIS_STATEIMAGEMASK) >> 12) == 2 ? 1 : 2;
        item->state = (item->state & ~static_cast<UINT>(TVIS_STATEIMAGEMASK)) | INDEXTOSTATEIMAGEMASK(image);
        Changed();
    } else if (item && ((flags & TVHT_ONITEM) || ((Style() & TVS_FULLROWSELECT) && flags == TVHT_ONITEMRIGHT))) {
        Select(item, TVC_BYMOUSE);
    }
    NMHDR header{};
    Notify(header, NM_CLICK);
}

void CtlTreeView::UserRightClick(POINT)
{
    CtlBusy busy;
    if (!IsEnabled()) return;
    if (Host()) Host()->TakeFocus();
    NMHDR header{};
    m_rightClickTaken = Notify(header, NM_RCLICK) != 0;
}

void CtlTreeView::UserDoubleClick(POINT point)
{
    CtlBusy busy;
    UserClick(point);
    UINT flags = 0;
    Item* item = Find(HitTest(point, flags));
    NMHDR header{};
    if (Notify(header, NM_DBLCLK)) return;
    if (item && (flags & TVHT_ONITEM)) Expand(item, TVE_TOGGLE, true);
}

void CtlTreeView::UserKey(UINT key)
{
    CtlBusy busy;
    if (!IsEnabled()) return;
    NMTVKEYDOWN down{};
    down.wVKey = static_cast<WORD>(key);
    Notify(down.hdr, TVN_KEYDOWN);
    auto visible = VisibleItems();
    if (visible.empty()) return;
    auto at = std::find(visible.begin(), visible.end(), Handle(m_caret));
    std::ptrdiff_t index = at == visible.end() ? -1 : at - visible.begin();
    auto go = [&](std::ptrdiff_t i) {
        i = std::clamp<std::ptrdiff_t>(i, 0, static_cast<std::ptrdiff_t>(visible.size()) - 1);
        Select(Find(visible[static_cast<size_t>(i)]), TVC_BYKEYBOARD);
    };
    switch (key) {
    case VK_DOWN: go(index + 1); break;
    case VK_UP: go(index < 0 ? 0 : index - 1); break;
    case VK_HOME: go(0); break;
    case VK_END: go(static_cast<std::ptrdiff_t>(visible.size()) - 1); break;
    case VK_F2:
        EditLabel(Handle(m_caret));
        break;
    case VK_SPACE:
        // Check boxes turn over under the keyboard too.
        if (m_caret && (Style() & TVS_CHECKBOXES)) {
            UINT image = ((m_caret->state & TVIS_STATEIMAGEMASK) >> 12) == 2 ? 1 : 2;
            m_caret->state = (m_caret->state & ~static_cast<UINT>(TVIS_STATEIMAGEMASK)) | INDEXTOSTATEIMAGEMASK(image);
            Changed();
        }
        break;
    case VK_RIGHT:
        if (m_caret && !(m_caret->state & TVIS_EXPANDED) && HasButton(*m_caret)) Expand(m_caret, TVE_EXPAND, true);
        else if (m_caret && !m_caret->kids.empty()) Select(m_caret->kids.front().get(), TVC_BYKEYBOARD);
        break;
    case VK_LEFT:
        if (m_caret && (m_caret->state & TVIS_EXPANDED)) Expand(m_caret, TVE_COLLAPSE, true);
        else if (m_caret && m_caret->parent != &m_root) Select(m_caret->parent, TVC_BYKEYBOARD);
        break;
    default: break;
    }
}

void CtlTreeView::UserEditLabel(HTREEITEM handle, const char* text)
{
    CtlBusy busy;
    if (EditLabel(handle)) {
        // The user types into the box and ends it.
        if (text) SendMessageA(m_labelEditor.Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        m_labelEditor.End(text != nullptr);
        return;
    }
    Item* item = Find(handle);
    if (!item || !(Style() & TVS_EDITLABELS) || Window()) return;
    // Without a window there is no box: the notices alone.
    NMTVDISPINFO info{};
    info.item.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_PARAM;
    info.item.hItem = handle;
    info.item.lParam = item->param;
    if (Notify(info.hdr, TVN_BEGINLABELEDIT)) return;
    std::string edited = text ? text : "";
    EndLabel(handle, text ? &edited : nullptr);
}

HWND CtlTreeView::EditLabel(HTREEITEM handle)
{
    m_labelEditor.End(true);
    Item* item = Find(handle);
    if (!item || !(Style() & TVS_EDITLABELS) || !Window()) return nullptr;
    NMTVDISPINFO info{};
    info.item.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_PARAM;
    info.item.hItem = handle;
    info.item.lParam = item->param;
    if (Notify(info.hdr, TVN_BEGINLABELEDIT) || !Find(handle)) return nullptr;
    m_labelEditor.Start(Window(), ItemRect(handle, true), TextOf(*item), [this, handle](bool commit, const std::string& text) {
        EndLabel(handle, commit ? &text : nullptr);
    });
    return m_labelEditor.Edit();
}

void CtlTreeView::EndLabel(HTREEITEM handle, const std::string* text)
{
    Item* item = Find(handle);
    if (!item) return;
    NMTVDISPINFO info{};
    info.item.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_PARAM;
    info.item.hItem = handle;
    info.item.lParam = item->param;
    std::string edited = text ? *text : "";
    info.item.pszText = text ? edited.data() : nullptr;
    // A parent answering TRUE takes the new text.
    if (Notify(info.hdr, TVN_ENDLABELEDIT) && text && (item = Find(handle))) {
        item->text = edited;
        item->callback = false;
        Changed();
    }
}

LRESULT CtlTreeView::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    if (LRESULT result = 0; HandleInput(message, wParam, lParam, result)) return result;
    auto handle = reinterpret_cast<HTREEITEM>(lParam);
    switch (message) {
    case TVM_INSERTITEM:
        return lParam ? reinterpret_cast<LRESULT>(Insert(*reinterpret_cast<const TVINSERTSTRUCT*>(lParam))) : 0;
    case TVM_DELETEITEM:
        return Delete(handle) ? TRUE : FALSE;
    case TVM_EXPAND:
        return Expand(Find(handle), static_cast<UINT>(wParam), false) ? TRUE : FALSE;
    case TVM_GETITEM:
        return lParam && GetItem(*reinterpret_cast<TVITEM*>(lParam)) ? TRUE : FALSE;
    case TVM_SETITEM:
        return lParam && SetItem(*reinterpret_cast<const TVITEM*>(lParam)) ? TRUE : FALSE;
    case TVM_GETNEXTITEM:
        return reinterpret_cast<LRESULT>(Next(handle, static_cast<UINT>(wParam)));
    case TVM_SELECTITEM:
        switch (wParam) {
        case TVGN_CARET:
            if (handle && !Find(handle)) return FALSE;
            return Select(Find(handle), TVC_UNKNOWN) ? TRUE : FALSE;
        case TVGN_DROPHILITE:
            if (m_drop) m_drop->state &= ~static_cast<UINT>(TVIS_DROPHILITED);
            m_drop = Find(handle);
            if (m_drop) m_drop->state |= TVIS_DROPHILITED;
            Changed();
            return TRUE;
        case TVGN_FIRSTVISIBLE: {
            auto visible = VisibleItems();
            auto it = std::find(visible.begin(), visible.end(), handle);
            if (it == visible.end()) return FALSE;
            m_top = static_cast<int>(it - visible.begin());
            Changed();
            return TRUE;
        }
        default:
            return FALSE;
        }
    case TVM_GETCOUNT:
        return Count();
    case TVM_GETINDENT:
        return m_indent;
    case TVM_SETINDENT:
        m_indent = std::max(1, static_cast<int>(wParam));
        Changed();
        return 0;
    case TVM_GETITEMHEIGHT:
        return kRowHeight;
    case TVM_SETIMAGELIST: {
        if (wParam > 2) return 0;
        HANDLE old = m_images[wParam];
        m_images[wParam] = reinterpret_cast<HANDLE>(lParam);
        Changed();
        return reinterpret_cast<LRESULT>(old);
    }
    case TVM_GETIMAGELIST:
        return wParam <= 2 ? reinterpret_cast<LRESULT>(m_images[wParam]) : 0;
    case TVM_GETVISIBLECOUNT: {
        RECT client = Host() ? Host()->ClientRect() : RECT{0, 0, 300, 300};
        return (client.bottom - client.top) / kRowHeight;
    }
    case TVM_ENSUREVISIBLE: {
        Item* item = Find(handle);
        if (!item) return FALSE;
        for (Item* p = item->parent; p && p != &m_root; p = p->parent) p->state |= TVIS_EXPANDED;
        auto visible = VisibleItems();
        int index = static_cast<int>(std::find(visible.begin(), visible.end(), handle) - visible.begin());
        RECT client = Host() ? Host()->ClientRect() : RECT{0, 0, 300, 300};
        int rows = std::max(1, static_cast<int>((client.bottom - client.top) / kRowHeight));
        if (index < m_top) m_top = index;
        else if (index >= m_top + rows) m_top = index - rows + 1;
        Changed();
        return TRUE;
    }
    case TVM_GETITEMSTATE: {
        const Item* item = Find(reinterpret_cast<HTREEITEM>(wParam));
        return item ? item->state & static_cast<UINT>(lParam) : 0;
    }
    case TVM_SORTCHILDREN: {
        Item* parent = (!handle || handle == TVI_ROOT) ? &m_root : Find(handle);
        if (!parent) return FALSE;
        Sort(parent, wParam != 0);
        return TRUE;
    }
    case TVM_GETITEMRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r) return FALSE;
        HTREEITEM item = nullptr;
        std::memcpy(&item, r, sizeof item);
        if (!Find(item)) return FALSE;
        RECT out = ItemRect(item, wParam != 0);
        if (out.bottom == out.top) return FALSE; // not on screen
        *r = out;
        return TRUE;
    }
    case TVM_HITTEST: {
        auto* info = reinterpret_cast<TVHITTESTINFO*>(lParam);
        if (!info) return 0;
        info->hItem = HitTest(info->pt, info->flags);
        return reinterpret_cast<LRESULT>(info->hItem);
    }
    case TVM_EDITLABEL:
        return reinterpret_cast<LRESULT>(EditLabel(handle));
    case TVM_GETEDITCONTROL:
        return reinterpret_cast<LRESULT>(m_labelEditor.Edit());
    case TVM_ENDEDITLABELNOW:
        m_labelEditor.End(wParam == 0);
        return TRUE;
    default:
        handled = false;
        return 0;
    }
}
