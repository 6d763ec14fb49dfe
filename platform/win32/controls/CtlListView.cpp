#include "win32/controls/CtlListView.h"
#include "win32/controls/CtlBusy.h"
#include "win32/controls/CommCtrl.h"
#include "win32/CtlText.h"
#include "win32/controls/CtlWindow.h"
#include "win32/windowing/MessageQueue.h"

#include <algorithm>
#include <cstring>
#include <numeric>

// The header tells the list view what happened to it, as its window would through WM_NOTIFY.
class CtlListView::HeaderHost : public CtlHost {
public:
    explicit HeaderHost(CtlListView& list) : m_list(list) {}
    LRESULT SendToParent(UINT message, WPARAM wParam, LPARAM lParam) override { return m_list.Send(message, wParam, lParam); }
    bool IsEnabled() const override { return m_list.IsEnabled(); }
    RECT ClientRect() const override { return RECT{0, 0, 0, CtlHeader::kHeight}; }
    void TakeFocus() override {}
    bool HasFocus() const override { return false; }
    void SetCapture(bool) override {}

private:
    CtlListView& m_list;
};

CtlListView::CtlListView(DWORD style)
    : CtlItemView(style), m_header(HDS_HORZ | ((style & LVS_NOSORTHEADER) ? 0 : HDS_BUTTONS)),
      m_headerHost(std::make_unique<HeaderHost>(*this))
{
    m_header.Attach(m_headerHost.get(), nullptr, 0);
}

CtlListView::~CtlListView() = default;

bool CtlListView::Report() const
{
    return (Style() & LVS_TYPEMASK) == LVS_REPORT;
}

bool CtlListView::OwnerData() const
{
    return (Style() & LVS_OWNERDATA) != 0;
}

int CtlListView::HeaderHeight() const
{
    return Report() && !(Style() & LVS_NOCOLUMNHEADER) ? CtlHeader::kHeight : 0;
}

int CtlListView::Count() const
{
    return OwnerData() ? m_dataCount : static_cast<int>(m_rows.size());
}

const CtlListView::Row* CtlListView::RowAt(int index) const
{
    return !OwnerData() && index >= 0 && index < static_cast<int>(m_rows.size()) ? &m_rows[static_cast<size_t>(index)]
                                                                               : nullptr;
}

CtlListView::Row& CtlListView::RowRef(int item)
{
    return m_rows[static_cast<size_t>(item)];
}

UINT CtlListView::State(int item) const
{
    if (!Valid(item)) return 0;
    return OwnerData() ? m_dataStates[static_cast<size_t>(item)] : m_rows[static_cast<size_t>(item)].state;
}

bool CtlListView::IsChecked(int item) const
{
    return ((State(item) & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

HANDLE CtlListView::ImageList(int which) const
{
    return which >= 0 && which < 3 ? m_images[which] : nullptr;
}

CtlListView::Drawn CtlListView::DrawnColors(int item, int sub) const
{
    auto it = m_drawn.find({item, sub});
    return it == m_drawn.end() ? Drawn{0, 0, {}} : it->second;
}

std::string CtlListView::Text(int item, int sub)
{
    if (!Valid(item) || sub < 0) return {};
    bool ask = OwnerData();
    std::string text;
    if (!ask) {
        const Row& row = RowRef(item);
        if (sub >= static_cast<int>(row.cells.size())) return {};
        ask = row.cells[static_cast<size_t>(sub)].callback;
        text = row.cells[static_cast<size_t>(sub)].text;
    }
    if (ask) {
        // The parent supplies the text.
        char buffer[260] = {};
        NMLVDISPINFO info{};
        info.item.mask = LVIF_TEXT;
        info.item.iItem = item;
        info.item.iSubItem = sub;
        info.item.pszText = buffer;
        info.item.cchTextMax = sizeof buffer;
        info.item.lParam = OwnerData() ? 0 : RowRef(item).param;
        Notify(info.hdr, LVN_GETDISPINFO);
        text = info.item.pszText ? std::string(info.item.pszText, strnlen(info.item.pszText, 4096)) : std::string();
    }
    return text;
}

LRESULT CtlListView::NotifyItem(UINT code, int item, int sub, UINT newState, UINT oldState, UINT changed, POINT at)
{
    NMLISTVIEW notice{};
    notice.iItem = item;
    notice.iSubItem = sub;
    notice.uNewState = newState;
    notice.uOldState = oldState;
    notice.uChanged = changed;
    notice.ptAction = at;
    notice.lParam = (Valid(item) && !OwnerData()) ? RowRef(item).param : 0;
    return Notify(notice.hdr, code);
}

bool CtlListView::ChangeState(int item, UINT state, UINT mask)
{
    if (!Valid(item)) return false;
    UINT old = State(item);
    UINT next = (old & ~mask) | (state & mask);
    if ((Style() & LVS_SINGLESEL) && (next & LVIS_SELECTED) && !(old & LVIS_SELECTED))
        for (int i = 0; i < Count(); ++i)
            if (i != item && (State(i) & LVIS_SELECTED)) ChangeState(i, 0, LVIS_SELECTED);
    if (next == old) return true;
    if (!OwnerData() && NotifyItem(LVN_ITEMCHANGING, item, 0, next, old, LVIF_STATE)) return false;
    if (!Valid(item)) return false;
    // Only one item has the focus.
    if ((next & LVIS_FOCUSED) && !(old & LVIS_FOCUSED))
        for (int i = 0; i < Count(); ++i)
            if (i != item && (State(i) & LVIS_FOCUSED)) ChangeState(i, 0, LVIS_FOCUSED);
    if (OwnerData())
        m_dataStates[static_cast<size_t>(item)] = next;
    else
        RowRef(item).state = next;
    Changed();
    NotifyItem(LVN_ITEMCHANGED, item, 0, next, old, LVIF_STATE);
    return true;
}

int CtlListView::InsertItem(const LVITEM& in)
{
    if (OwnerData() || in.iSubItem != 0) return -1;
    int index = std::clamp(in.iItem, 0, Count());
    Row row;
    row.cells.resize(static_cast<size_t>(std::max(1, ColumnCount())));
    if (in.mask & LVIF_TEXT) {
        row.cells[0].callback = in.pszText == LPSTR_TEXTCALLBACK;
        if (!row.cells[0].callback && in.pszText) row.cells[0].text = in.pszText;
    }
    if (in.mask & LVIF_IMAGE) row.cells[0].image = in.iImage;
    if (in.mask & LVIF_PARAM) row.param = in.lParam;
    if (in.mask & LVIF_INDENT) row.indent = in.iIndent;
    if (in.mask & LVIF_STATE) row.state = in.state & in.stateMask;
    if ((m_exStyle & LVS_EX_CHECKBOXES) && !(row.state & LVIS_STATEIMAGEMASK)) row.state |= INDEXTOSTATEIMAGEMASK(1);
    if (Style() & (LVS_SORTASCENDING | LVS_SORTDESCENDING)) {
        bool down = (Style() & LVS_SORTDESCENDING) != 0;
        index = 0;
        while (index < Count()) {
            int c = CtlCompareNoCase(row.cells[0].text, RowRef(index).cells[0].text);
            if (down ? c > 0 : c < 0) break;
            ++index;
        }
    }
    m_rows.insert(m_rows.begin() + index, std::move(row));
    if (m_mark >= index) ++m_mark;
    Changed();
    NotifyItem(LVN_INSERTITEM, index, 0, 0, 0, 0);
    return index;
}

bool CtlListView::DeleteItem(int item)
{
    if (!Valid(item)) return false;
    NotifyItem(LVN_DELETEITEM, item, 0, 0, 0, 0);
    if (!Valid(item)) return false;
    if (OwnerData()) {
        m_dataStates.erase(m_dataStates.begin() + item);
        --m_dataCount;
    } else {
        m_rows.erase(m_rows.begin() + item);
    }
    if (m_mark == item) m_mark = -1;
    else if (m_mark > item) --m_mark;
    m_top = std::min(m_top, std::max(0, Count() - 1));
    Changed();
    return true;
}

void CtlListView::DeleteAll()
{
    // A parent answering TRUE does not want to hear of each item.
    bool quiet = NotifyItem(LVN_DELETEALLITEMS, -1, 0, 0, 0, 0) != 0;
    if (!quiet)
        for (int i = 0; i < Count(); ++i) NotifyItem(LVN_DELETEITEM, i, 0, 0, 0, 0);
    m_rows.clear();
    m_dataStates.clear();
    m_dataCount = 0;
    m_top = 0;
    m_mark = -1;
    Changed();
}

bool CtlListView::GetItem(LVITEM& item)
{
    if (!Valid(item.iItem) || item.iSubItem < 0) return false;
    if (item.mask & LVIF_TEXT) CtlCopyOut(Text(item.iItem, item.iSubItem), item.pszText, item.cchTextMax);
    if (item.mask & LVIF_STATE) item.state = State(item.iItem) & item.stateMask;
    if (OwnerData()) return true;
    const Row& row = RowRef(item.iItem);
    if (item.mask & LVIF_IMAGE)
        item.iImage = item.iSubItem < static_cast<int>(row.cells.size()) ? row.cells[static_cast<size_t>(item.iSubItem)].image : -1;
    if (item.mask & LVIF_PARAM) item.lParam = row.param;
    if (item.mask & LVIF_INDENT) item.iIndent = row.indent;
    return true;
}

bool CtlListView::SetItem(const LVITEM& item)
{
    if (!Valid(item.iItem) || item.iSubItem < 0) return false;
    if (item.mask & LVIF_STATE)
        if (!ChangeState(item.iItem, item.state, item.stateMask)) return false;
    if (OwnerData()) return true;
    Row& row = RowRef(item.iItem);
    if ((item.mask & (LVIF_TEXT | LVIF_IMAGE)) && item.iSubItem >= static_cast<int>(row.cells.size())) {
        if (item.iSubItem >= std::max(1, ColumnCount())) return false;
        row.cells.resize(static_cast<size_t>(item.iSubItem) + 1);
    }
    if (item.mask & LVIF_TEXT) {
        Cell& cell = row.cells[static_cast<size_t>(item.iSubItem)];
        cell.callback = item.pszText == LPSTR_TEXTCALLBACK;
        cell.text = (!cell.callback && item.pszText) ? item.pszText : "";
    }
    if (item.mask & LVIF_IMAGE) row.cells[static_cast<size_t>(item.iSubItem)].image = item.iImage;
    if ((item.mask & LVIF_PARAM) && item.iSubItem == 0) row.param = item.lParam;
    if ((item.mask & LVIF_INDENT) && item.iSubItem == 0) row.indent = item.iIndent;
    Changed();
    return true;
}

int CtlListView::InsertColumn(int index, const LVCOLUMN& column)
{
    if (index < 0) return -1;
    index = std::min(index, ColumnCount());
    CtlHeader::Item item;
    if (column.mask & LVCF_TEXT) item.text = column.pszText ? column.pszText : "";
    if (column.mask & LVCF_WIDTH) item.width = column.cx;
    if (column.mask & LVCF_FMT) item.format = column.fmt & LVCFMT_JUSTIFYMASK;
    if (column.mask & LVCF_IMAGE) item.image = column.iImage;
    bool first = ColumnCount() == 0;
    index = m_header.Insert(index, item);
    // The first column takes the items' own texts; later ones shift the sub-items.
    if (!first)
        for (Row& row : m_rows)
            if (static_cast<int>(row.cells.size()) >= index) row.cells.insert(row.cells.begin() + index, Cell{});
    Changed();
    return index;
}

bool CtlListView::DeleteColumn(int index)
{
    if (!m_header.Remove(index)) return false;
    for (Row& row : m_rows) {
        if (index < static_cast<int>(row.cells.size())) row.cells.erase(row.cells.begin() + index);
        if (row.cells.empty()) row.cells.resize(1);
    }
    Changed();
    return true;
}

bool CtlListView::GetColumn(int index, LVCOLUMN& column) const
{
    const auto& items = m_header.Items();
    if (index < 0 || index >= static_cast<int>(items.size())) return false;
    const auto& item = items[static_cast<size_t>(index)];
    if (column.mask & LVCF_TEXT) CtlCopyOut(item.text, column.pszText, column.cchTextMax);
    if (column.mask & LVCF_WIDTH) column.cx = item.width;
    if (column.mask & LVCF_FMT) column.fmt = item.format;
    if (column.mask & LVCF_IMAGE) column.iImage = item.image;
    if (column.mask & LVCF_SUBITEM) column.iSubItem = index;
    if (column.mask & LVCF_ORDER) column.iOrder = index;
    return true;
}

bool CtlListView::SetColumn(int index, const LVCOLUMN& column)
{
    CtlHeader::Item* item = m_header.At(index);
    if (!item) return false;
    if (column.mask & LVCF_TEXT) item->text = column.pszText ? column.pszText : "";
    if (column.mask & LVCF_WIDTH) item->width = column.cx;
    if (column.mask & LVCF_FMT) item->format = column.fmt & LVCFMT_JUSTIFYMASK;
    if (column.mask & LVCF_IMAGE) item->image = column.iImage;
    Changed();
    return true;
}

int CtlListView::NextItem(int start, UINT flags) const
{
    int step = (flags & LVNI_ABOVE) ? -1 : 1;
    for (int i = start + step; i >= 0 && i < Count(); i += step) {
        UINT s = State(i);
        if ((flags & LVNI_SELECTED) && !(s & LVIS_SELECTED)) continue;
        if ((flags & LVNI_FOCUSED) && !(s & LVIS_FOCUSED)) continue;
        return i;
    }
    return -1;
}

int CtlListView::FindItem(int start, const LVFINDINFO& info)
{
    int n = Count();
    for (int k = 1; k <= n; ++k) {
        int i = start + k;
        if (i >= n) {
            if (!(info.flags & LVFI_WRAP)) return -1;
            i -= n;
        }
        if (info.flags & LVFI_PARAM) {
            if (!OwnerData() && RowRef(i).param == info.lParam) return i;
            continue;
        }
        std::string text = Text(i, 0);
        std::string wanted = info.psz ? info.psz : "";
        bool match = (info.flags & LVFI_PARTIAL) ? CtlStartsNoCase(text, wanted) : CtlCompareNoCase(text, wanted) == 0;
        if (match) return i;
    }
    return -1;
}

void CtlListView::Sort(LPARAM data, PFNLVCOMPARE compare)
{
    if (!compare || OwnerData()) return;
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [&](const Row& a, const Row& b) { return compare(a.param, b.param, data) < 0; });
    Changed();
}

void CtlListView::SelectOnly(int item)
{
    for (int i = 0; i < Count(); ++i)
        if (i != item && (State(i) & LVIS_SELECTED)) ChangeState(i, 0, LVIS_SELECTED);
    if (Valid(item)) ChangeState(item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_mark = item;
}

void CtlListView::SetExtendedStyle(DWORD mask, DWORD style)
{
    if (mask == 0) mask = 0xFFFFFFFF;
    DWORD old = m_exStyle;
    m_exStyle = (m_exStyle & ~mask) | (style & mask);
    bool boxes = (m_exStyle & LVS_EX_CHECKBOXES) != 0;
    if (boxes != ((old & LVS_EX_CHECKBOXES) != 0) && !OwnerData())
        for (Row& row : m_rows)
            row.state = (row.state & ~LVIS_STATEIMAGEMASK) | (boxes ? INDEXTOSTATEIMAGEMASK(1) : 0);
    Changed();
}

RECT CtlListView::ItemRect(int item, int code) const
{
    RECT client = Host() ? Host()->ClientRect() : RECT{0, 0, 400, 300};
    LONG top = HeaderHeight() + (item - m_top) * kRowHeight;
    LONG width = 0;
    for (const auto& column : m_header.Items()) width += std::max(0, column.width);
    RECT bounds{0, top, std::max<LONG>(width, client.right), top + kRowHeight};
    if (code == LVIR_BOUNDS || code == LVIR_SELECTBOUNDS) return bounds;
    LONG x = (m_exStyle & LVS_EX_CHECKBOXES) ? kIconWidth : 0;
    LONG first = ColumnCount() ? m_header.ItemRect(0).right : bounds.right;
    if (m_images[LVSIL_SMALL]) {
        if (code == LVIR_ICON) return RECT{x, top, x + kIconWidth, top + kRowHeight};
        x += kIconWidth;
    } else if (code == LVIR_ICON) {
        return RECT{x, top, x, top + kRowHeight};
    }
    return RECT{x, top, std::max(x, first), top + kRowHeight};
}

RECT CtlListView::SubItemRect(int item, int sub, int code) const
{
    if (sub == 0) return code == LVIR_BOUNDS ? ItemRect(item, LVIR_BOUNDS) : ItemRect(item, code);
    RECT column = m_header.ItemRect(sub);
    RECT row = ItemRect(item, LVIR_BOUNDS);
    return RECT{column.left, row.top, column.right, row.bottom};
}

int CtlListView::HitTest(POINT p, UINT& flags, int& sub) const
{
    flags = LVHT_NOWHERE;
    sub = -1;
    if (p.y < HeaderHeight()) return -1;
    int item = m_top + (p.y - HeaderHeight()) / kRowHeight;
    if (!Valid(item) || p.x < 0) return -1;
    LONG width = 0;
    for (const auto& column : m_header.Items()) width += std::max(0, column.width);
    if (ColumnCount() && p.x >= width) return -1;
    sub = std::max(0, m_header.ItemAt({p.x, 1}));
    if (sub > 0) {
        flags = (m_exStyle & LVS_EX_FULLROWSELECT) ? LVHT_ONITEMLABEL : LVHT_NOWHERE;
        return (m_exStyle & LVS_EX_FULLROWSELECT) ? item : -1;
    }
    LONG x = 0;
    if (m_exStyle & LVS_EX_CHECKBOXES) {
        if (p.x < kIconWidth) {
            flags = LVHT_ONITEMSTATEICON;
            return item;
        }
        x = kIconWidth;
    }
    if (m_images[LVSIL_SMALL] && p.x < x + kIconWidth) {
        flags = LVHT_ONITEMICON;
        return item;
    }
    flags = LVHT_ONITEMLABEL;
    return item;
}

void CtlListView::MouseDown(POINT point, UINT keys, bool right)
{
    if (!IsEnabled()) return;
    if (Host()) Host()->TakeFocus();
    UINT flags = 0;
    int sub = 0;
    int item = HitTest(point, flags, sub);
    if (item >= 0 && flags == LVHT_ONITEMSTATEICON && !right) {
        // A click on the box turns the check over.
        UINT image = IsChecked(item) ? 1 : 2;
        ChangeState(item, INDEXTOSTATEIMAGEMASK(image), LVIS_STATEIMAGEMASK);
    } else if (item < 0) {
        if (!(keys & (MK_CONTROL | MK_SHIFT))) SelectOnly(-1);
    } else if ((keys & MK_CONTROL) && !(Style() & LVS_SINGLESEL)) {
        ChangeState(item, (State(item) & LVIS_SELECTED) ? LVIS_FOCUSED : (LVIS_SELECTED | LVIS_FOCUSED),
                    LVIS_SELECTED | LVIS_FOCUSED);
        m_mark = item;
    } else if ((keys & MK_SHIFT) && !(Style() & LVS_SINGLESEL) && Valid(m_mark)) {
        int lo = std::min(m_mark, item);
        int hi = std::max(m_mark, item);
        for (int i = 0; i < Count(); ++i) ChangeState(i, (i >= lo && i <= hi) ? LVIS_SELECTED : 0, LVIS_SELECTED);
        ChangeState(item, LVIS_FOCUSED, LVIS_FOCUSED);
    } else if (!(right && (State(item) & LVIS_SELECTED))) {
        SelectOnly(item);
    }
    NMITEMACTIVATE notice{};
    notice.iItem = item;
    notice.iSubItem = sub;
    notice.ptAction = point;
    notice.uKeyFlags = keys;
    LRESULT answer = Notify(notice.hdr, right ? NM_RCLICK : NM_CLICK);
    if (right) m_rightClickTaken = answer != 0;
}

void CtlListView::UserClick(POINT point, UINT keys)
{
    CtlBusy busy;
    MouseDown(point, keys, false);
}

void CtlListView::UserRightClick(POINT point)
{
    CtlBusy busy;
    MouseDown(point, 0, true);
}

void CtlListView::UserDoubleClick(POINT point)
{
    CtlBusy busy;
    MouseDown(point, 0, false);
    UINT flags = 0;
    int sub = 0;
    int item = HitTest(point, flags, sub);
    NMITEMACTIVATE notice{};
    notice.iItem = item;
    notice.iSubItem = sub;
    notice.ptAction = point;
    Notify(notice.hdr, NM_DBLCLK);
    if (item >= 0) Notify(notice.hdr, LVN_ITEMACTIVATE);
}

void CtlListView::UserKey(UINT key)
{
    CtlBusy busy;
    if (!IsEnabled()) return;
    NMLVKEYDOWN down{};
    down.wVKey = static_cast<WORD>(key);
    Notify(down.hdr, LVN_KEYDOWN);
    int focus = NextItem(-1, LVNI_FOCUSED);
    switch (key) {
    case VK_F2:
        EditLabel(focus);
        break;
    case VK_SPACE:
        if ((m_exStyle & LVS_EX_CHECKBOXES) && Valid(focus))
            ChangeState(focus, INDEXTOSTATEIMAGEMASK(IsChecked(focus) ? 1 : 2), LVIS_STATEIMAGEMASK);
        break;
    case VK_DOWN:
        SelectOnly(focus < 0 ? 0 : std::min(focus + 1, Count() - 1));
        break;
    case VK_UP:
        SelectOnly(focus < 0 ? 0 : std::max(focus - 1, 0));
        break;
    case VK_HOME:
        SelectOnly(0);
        break;
    case VK_END:
        SelectOnly(Count() - 1);
        break;
    default:
        break;
    }
}

void CtlListView::UserClickHeader(int column)
{
    CtlBusy busy;
    m_header.UserClick(column);
}

void CtlListView::UserEditLabel(int item, const char* text)
{
    CtlBusy busy;
    if (EditLabel(item)) {
        // The user types into the box and ends it.
        if (text) SendMessageA(m_labelEditor.Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        m_labelEditor.End(text != nullptr);
        return;
    }
    if (!Valid(item) || !(Style() & LVS_EDITLABELS) || Window()) return;
    // Without a window there is no box: the notices alone.
    NMLVDISPINFO info{};
    info.item.iItem = item;
    info.item.mask = LVIF_TEXT;
    if (Notify(info.hdr, LVN_BEGINLABELEDIT)) return;
    std::string edited = text ? text : "";
    EndLabel(item, text ? &edited : nullptr);
}

HWND CtlListView::EditLabel(int item)
{
    m_labelEditor.End(true);
    if (!Valid(item) || !(Style() & LVS_EDITLABELS) || !Window()) return nullptr;
    NMLVDISPINFO info{};
    info.item.iItem = item;
    info.item.mask = LVIF_TEXT;
    if (Notify(info.hdr, LVN_BEGINLABELEDIT) || !Valid(item)) return nullptr;
    m_labelEditor.Start(Window(), ItemRect(item, LVIR_LABEL), Text(item, 0), [this, item](bool commit, const std::string& text) {
        EndLabel(item, commit ? &text : nullptr);
    });
    return m_labelEditor.Edit();
}

void CtlListView::EndLabel(int item, const std::string* text)
{
    NMLVDISPINFO info{};
    info.item.iItem = item;
    info.item.mask = LVIF_TEXT;
    std::string edited = text ? *text : "";
    info.item.pszText = text ? edited.data() : nullptr;
    info.item.lParam = (Valid(item) && !OwnerData()) ? RowRef(item).param : 0;
    // A parent answering TRUE takes the new text.
    if (Notify(info.hdr, LVN_ENDLABELEDIT) && text && Valid(item) && !OwnerData()) {
        RowRef(item).cells[0].text = edited;
        RowRef(item).cells[0].callback = false;
        Changed();
    }
}

void CtlListView::Paint(HDC dc)
{
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdc = dc;
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    LRESULT want = Notify(draw.nmcd.hdr, NM_CUSTOMDRAW);
    m_drawn.clear();
    RECT client = Host() ? Host()->ClientRect() : RECT{0, 0, 400, 300};
    int visible = std::max(1, static_cast<int>((client.bottom - client.top - HeaderHeight()) / kRowHeight) + 1);
    int columns = std::max(1, ColumnCount());
    for (int item = m_top; item < Count() && item < m_top + visible; ++item) {
        LRESULT wantSub = 0;
        COLORREF text = m_textColour;
        COLORREF back = m_textBackground;
        if (want & CDRF_NOTIFYITEMDRAW) {
            draw = {};
            draw.nmcd.hdc = dc;
            draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
            draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(item);
            draw.nmcd.rc = ItemRect(item, LVIR_BOUNDS);
            draw.nmcd.uItemState = (State(item) & LVIS_SELECTED) ? CDIS_SELECTED : 0;
            draw.nmcd.lItemlParam = OwnerData() ? 0 : RowRef(item).param;
            draw.clrText = text;
            draw.clrTextBk = back;
            wantSub = Notify(draw.nmcd.hdr, NM_CUSTOMDRAW);
            text = draw.clrText;
            back = draw.clrTextBk;
        }
        for (int sub = 0; sub < columns; ++sub) {
            COLORREF cellText = text;
            COLORREF cellBack = back;
            if (wantSub & CDRF_NOTIFYSUBITEMDRAW) {
                draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
                draw.iSubItem = sub;
                draw.clrText = text;
                draw.clrTextBk = back;
                Notify(draw.nmcd.hdr, NM_CUSTOMDRAW);
                cellText = draw.clrText;
                cellBack = draw.clrTextBk;
            }
            // Painting asks for the texts of the cells in view only (owner data, callbacks).
            m_drawn[{item, sub}] = Drawn{cellText, cellBack, Text(item, sub)};
        }
    }
    Changed();
}

LRESULT CtlListView::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    if (LRESULT result = 0; HandleInput(message, wParam, lParam, result)) return result;
    auto index = static_cast<int>(static_cast<intptr_t>(wParam));
    switch (message) {
    case WM_CREATE:
        if (Host() && !m_headerWindow) {
            // The header window shows this list's own header model.
            CtlBorrowed borrowed{&m_header, m_headerHost.get()};
            DWORD visible = (Style() & LVS_NOCOLUMNHEADER) ? 0 : WS_VISIBLE;
            m_headerWindow = Host()->CreateChild(WC_HEADER, m_header.Style() | WS_CHILD | visible, &borrowed);
        }
        handled = false;
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header && header->code == HDN_ITEMCLICK) {
            NMLISTVIEW notice{};
            notice.iItem = -1;
            notice.iSubItem = reinterpret_cast<NMHEADER*>(lParam)->iItem;
            Notify(notice.hdr, LVN_COLUMNCLICK);
        }
        return 0;
    }
    case LVM_GETITEMCOUNT:
        return Count();
    case LVM_SETITEMCOUNT:
        if (OwnerData()) {
            m_dataCount = std::max(0, index);
            m_dataStates.resize(static_cast<size_t>(m_dataCount));
            Changed();
        }
        return TRUE;
    case LVM_INSERTITEM:
        return lParam ? InsertItem(*reinterpret_cast<const LVITEM*>(lParam)) : -1;
    case LVM_DELETEITEM:
        return DeleteItem(index) ? TRUE : FALSE;
    case LVM_DELETEALLITEMS:
        DeleteAll();
        return TRUE;
    case LVM_GETITEM:
        return lParam && GetItem(*reinterpret_cast<LVITEM*>(lParam)) ? TRUE : FALSE;
    case LVM_SETITEM:
        return lParam && SetItem(*reinterpret_cast<const LVITEM*>(lParam)) ? TRUE : FALSE;
    case LVM_GETITEMTEXT: {
        auto* item = reinterpret_cast<LVITEM*>(lParam);
        if (!item || !Valid(index)) return 0;
        return CtlCopyOut(Text(index, item->iSubItem), item->pszText, item->cchTextMax);
    }
    case LVM_SETITEMTEXT: {
        auto* in = reinterpret_cast<const LVITEM*>(lParam);
        if (!in) return FALSE;
        LVITEM item = *in;
        item.iItem = index;
        item.mask = LVIF_TEXT;
        return SetItem(item) ? TRUE : FALSE;
    }
    case LVM_GETITEMSTATE:
        return State(index) & static_cast<UINT>(lParam);
    case LVM_SETITEMSTATE: {
        auto* item = reinterpret_cast<const LVITEM*>(lParam);
        if (!item) return FALSE;
        if (index == -1) {
            bool ok = true;
            for (int i = 0; i < Count(); ++i) ok = ChangeState(i, item->state, item->stateMask) && ok;
            return ok ? TRUE : FALSE;
        }
        return ChangeState(index, item->state, item->stateMask) ? TRUE : FALSE;
    }
    case LVM_GETNEXTITEM:
        return NextItem(index, LOWORD(lParam));
    case LVM_GETSELECTEDCOUNT: {
        int n = 0;
        for (int i = 0; i < Count(); ++i)
            if (State(i) & LVIS_SELECTED) ++n;
        return n;
    }
    case LVM_FINDITEM:
        return lParam ? FindItem(index, *reinterpret_cast<const LVFINDINFO*>(lParam)) : -1;
    case LVM_SORTITEMS:
        Sort(static_cast<LPARAM>(wParam), reinterpret_cast<PFNLVCOMPARE>(lParam));
        return TRUE;
    case LVM_INSERTCOLUMN:
        return lParam ? InsertColumn(index, *reinterpret_cast<const LVCOLUMN*>(lParam)) : -1;
    case LVM_DELETECOLUMN:
        return DeleteColumn(index) ? TRUE : FALSE;
    case LVM_GETCOLUMN:
        return lParam && GetColumn(index, *reinterpret_cast<LVCOLUMN*>(lParam)) ? TRUE : FALSE;
    case LVM_SETCOLUMN:
        return lParam && SetColumn(index, *reinterpret_cast<const LVCOLUMN*>(lParam)) ? TRUE : FALSE;
    case LVM_GETCOLUMNWIDTH: {
        const CtlHeader::Item* item = m_header.At(index);
        return item ? item->width : 0;
    }
    case LVM_SETCOLUMNWIDTH: {
        CtlHeader::Item* item = m_header.At(index);
        if (!item) return FALSE;
        int width = static_cast<int>(static_cast<SHORT>(LOWORD(lParam)));
        if (width < 0) {
            // Fit the widest text (and the header's for -2), about 7 pixels a character.
            size_t longest = width == -2 ? item->text.size() : 0;
            for (int i = 0; i < Count(); ++i) longest = std::max(longest, Text(i, index).size());
            width = 12 + 7 * static_cast<int>(longest);
        }
        m_header.At(index)->width = width;
        Changed();
        return TRUE;
    }
    case LVM_GETHEADER:
        return reinterpret_cast<LRESULT>(m_headerWindow);
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
        DWORD old = m_exStyle;
        SetExtendedStyle(static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
        return old;
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return m_exStyle;
    case LVM_SETIMAGELIST: {
        if (index < 0 || index > 2) return 0;
        HANDLE old = m_images[index];
        m_images[index] = reinterpret_cast<HANDLE>(lParam);
        Changed();
        return reinterpret_cast<LRESULT>(old);
    }
    case LVM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(ImageList(index));
    case LVM_GETITEMRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r || !Valid(index)) return FALSE;
        *r = ItemRect(index, r->left);
        return TRUE;
    }
    case LVM_GETSUBITEMRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r || !Valid(index) || r->top < 0 || r->top >= std::max(1, ColumnCount())) return FALSE;
        *r = SubItemRect(index, r->top, r->left);
        return TRUE;
    }
    case LVM_HITTEST:
    case LVM_SUBITEMHITTEST: {
        auto* info = reinterpret_cast<LVHITTESTINFO*>(lParam);
        if (!info) return -1;
        int sub = 0;
        info->iItem = HitTest(info->pt, info->flags, sub);
        if (message == LVM_SUBITEMHITTEST) info->iSubItem = sub;
        return info->iItem;
    }
    case LVM_ENSUREVISIBLE: {
        if (!Valid(index)) return FALSE;
        RECT client = Host() ? Host()->ClientRect() : RECT{0, 0, 400, 300};
        int perPage = std::max(1, static_cast<int>((client.bottom - HeaderHeight()) / kRowHeight));
        if (index < m_top) m_top = index;
        else if (index >= m_top + perPage) m_top = index - perPage + 1;
        Changed();
        return TRUE;
    }
    case LVM_GETTOPINDEX:
        return m_top;
    case LVM_GETCOUNTPERPAGE: {
        RECT client = Host() ? Host()->ClientRect() : RECT{0, 0, 400, 300};
        return std::max(0, static_cast<int>((client.bottom - HeaderHeight()) / kRowHeight));
    }
    case LVM_GETSELECTIONMARK:
        return m_mark;
    case LVM_SETSELECTIONMARK: {
        int old = m_mark;
        m_mark = static_cast<int>(lParam);
        return old;
    }
    case LVM_GETBKCOLOR: return m_background;
    case LVM_SETBKCOLOR: m_background = static_cast<COLORREF>(lParam); Changed(); return TRUE;
    case LVM_GETTEXTCOLOR: return m_textColour;
    case LVM_SETTEXTCOLOR: m_textColour = static_cast<COLORREF>(lParam); Changed(); return TRUE;
    case LVM_GETTEXTBKCOLOR: return m_textBackground;
    case LVM_SETTEXTBKCOLOR: m_textBackground = static_cast<COLORREF>(lParam); Changed(); return TRUE;
    case LVM_REDRAWITEMS:
    case LVM_UPDATE:
        Changed();
        return TRUE;
    case LVM_GETEDITCONTROL:
        return reinterpret_cast<LRESULT>(m_labelEditor.Edit());
    case LVM_EDITLABEL:
        if (index < 0) {
            m_labelEditor.End(true);
            return 0;
        }
        return reinterpret_cast<LRESULT>(EditLabel(index));
    default:
        handled = false;
        return 0;
    }
}
