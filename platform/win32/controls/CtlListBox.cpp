#include "win32/controls/CtlListBox.h"
#include "win32/controls/CtlBusy.h"
#include "win32/controls/CtlMessages.h"
#include "win32/CtlText.h"

#include <algorithm>

CtlListBox::CtlListBox(DWORD style) : CtlListModel(style, ODT_LISTBOX) {}

bool CtlListBox::IsSorted() const
{
    return (Style() & LBS_SORT) != 0;
}

bool CtlListBox::IsMultiple() const
{
    return (Style() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

bool CtlListBox::IsSelected(int index) const
{
    return index >= 0 && index < Count() && m_items[static_cast<size_t>(index)].selected;
}

int CtlListBox::CurSel() const
{
    if (IsMultiple()) return m_caret;
    for (int i = 0; i < Count(); ++i)
        if (m_items[static_cast<size_t>(i)].selected) return i;
    return -1;
}

void CtlListBox::ItemInserted(int index)
{
    if (m_caret >= index) ++m_caret;
    if (m_anchor >= index) ++m_anchor;
}

void CtlListBox::ItemRemoved(int index)
{
    if (m_caret == index) m_caret = -1;
    else if (m_caret > index) --m_caret;
    if (m_anchor == index) m_anchor = -1;
    else if (m_anchor > index) --m_anchor;
}

void CtlListBox::SelectOnly(int index)
{
    for (int i = 0; i < Count(); ++i) m_items[static_cast<size_t>(i)].selected = (i == index);
    m_caret = index;
    m_anchor = index;
}

void CtlListBox::Notify(int code)
{
    if (Style() & LBS_NOTIFY) Command(code);
}

CtlListModel::Op CtlListBox::OpOf(UINT message, bool& found)
{
    found = true;
    switch (message) {
    case LB_ADDSTRING: return Op::Add;
    case LB_INSERTSTRING: return Op::Insert;
    case LB_DELETESTRING: return Op::Delete;
    case LB_RESETCONTENT: return Op::Reset;
    case LB_GETCOUNT: return Op::Count;
    case LB_GETTEXT: return Op::GetText;
    case LB_GETTEXTLEN: return Op::GetTextLen;
    case LB_FINDSTRING: return Op::Find;
    case LB_FINDSTRINGEXACT: return Op::FindExact;
    case LB_GETITEMDATA: return Op::GetData;
    case LB_SETITEMDATA: return Op::SetData;
    case LB_SETITEMHEIGHT: return Op::SetHeight;
    case LB_GETITEMHEIGHT: return Op::GetHeight;
    case LB_GETTOPINDEX: return Op::GetTop;
    case LB_SETTOPINDEX: return Op::SetTop;
    default: found = false; return Op::Count;
    }
}

LRESULT CtlListBox::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    bool listOp = false;
    Op op = OpOf(message, listOp);
    if (listOp) {
        if (op == Op::Reset) m_caret = m_anchor = -1;
        return HandleList(op, wParam, lParam);
    }
    auto index = static_cast<int>(static_cast<intptr_t>(wParam));
    switch (message) {
    case LB_GETCURSEL:
        return CurSel();
    case LB_SETCURSEL:
        if (IsMultiple()) return LB_ERR;
        SelectOnly(index >= 0 && index < Count() ? index : -1);
        Changed();
        return index >= 0 && index < Count() ? index : LB_ERR;
    case LB_SETSEL: {
        if (!IsMultiple()) return LB_ERR;
        auto item = static_cast<int>(lParam);
        if (item == -1) {
            for (auto& it : m_items) it.selected = wParam != 0;
        } else if (item >= 0 && item < Count()) {
            m_items[static_cast<size_t>(item)].selected = wParam != 0;
            m_caret = item;
        } else {
            return LB_ERR;
        }
        Changed();
        return 0;
    }
    case LB_GETSEL:
        return index >= 0 && index < Count() ? (IsSelected(index) ? 1 : 0) : LB_ERR;
    case LB_GETSELCOUNT: {
        if (!IsMultiple()) return LB_ERR;
        return std::count_if(m_items.begin(), m_items.end(), [](const CtlListItem& i) { return i.selected; });
    }
    case LB_GETSELITEMS: {
        if (!IsMultiple()) return LB_ERR;
        auto* out = reinterpret_cast<int*>(lParam);
        int n = 0;
        for (int i = 0; i < Count() && n < index && out; ++i)
            if (IsSelected(i)) out[n++] = i;
        return n;
    }
    case LB_SELECTSTRING: {
        if (IsMultiple()) return LB_ERR;
        int found = FindPrefix(index, CtlTextArg(lParam));
        if (found >= 0) {
            SelectOnly(found);
            Changed();
        }
        return found;
    }
    case LB_SETCARETINDEX:
        if (index < 0 || index >= Count()) return LB_ERR;
        m_caret = index;
        Changed();
        return 0;
    case LB_GETCARETINDEX:
        return m_caret;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
        Command(LBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        Command(LBN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN:
        UserClick(ItemAt({static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))}),
                  (wParam & MK_CONTROL) != 0, (wParam & MK_SHIFT) != 0);
        return 0;
    case WM_LBUTTONDBLCLK:
        UserDoubleClick(ItemAt({static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))}));
        return 0;
    case WM_CHAR: {
        // A letter moves to the next item starting with it.
        if (wParam < 0x20 || !HasStrings()) return 0;
        char16_t c = static_cast<char16_t>(wParam);
        int found = FindPrefix(IsMultiple() ? m_caret : CurSel(), CtlNarrow(std::u16string_view(&c, 1)));
        if (found >= 0 && IsEnabled()) {
            SelectOnly(found);
            Changed();
            Notify(LBN_SELCHANGE);
        }
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_DOWN) UserStep(1);
        else if (wParam == VK_UP) UserStep(-1);
        else handled = false;
        return 0;
    default:
        handled = false;
        return 0;
    }
}

void CtlListBox::Paint(HDC dc)
{
    if (!IsOwnerDrawn()) return;
    RECT client = Host() ? Host()->ClientRect() : RECT{0, 0, 100, 100};
    bool focused = Host() && Host()->HasFocus();
    for (int i = m_top; i < Count(); ++i) {
        LONG y = (i - m_top) * m_itemHeight;
        if (y >= client.bottom) break;
        UINT state = (IsSelected(i) ? ODS_SELECTED : 0) | (focused && i == m_caret ? ODS_FOCUS : 0);
        DrawListItem(dc, i, state, RECT{0, y, client.right, y + m_itemHeight});
    }
}

int CtlListBox::ItemAt(POINT point) const
{
    if (point.y < 0 || m_itemHeight <= 0) return -1;
    int index = m_top + point.y / m_itemHeight;
    return index < Count() ? index : -1;
}

void CtlListBox::UserClick(int index, bool control, bool shift)
{
    CtlBusy busy;
    if (!IsEnabled()) return;
    if (Host()) Host()->TakeFocus();
    if (index < 0 || index >= Count() || (Style() & LBS_NOSEL)) return;
    if (Style() & LBS_MULTIPLESEL) {
        m_items[static_cast<size_t>(index)].selected = !m_items[static_cast<size_t>(index)].selected;
        m_caret = index;
    } else if ((Style() & LBS_EXTENDEDSEL) && shift && m_anchor >= 0) {
        int lo = std::min(m_anchor, index);
        int hi = std::max(m_anchor, index);
        for (int i = 0; i < Count(); ++i) m_items[static_cast<size_t>(i)].selected = (i >= lo && i <= hi);
        m_caret = index;
    } else if ((Style() & LBS_EXTENDEDSEL) && control) {
        m_items[static_cast<size_t>(index)].selected = !m_items[static_cast<size_t>(index)].selected;
        m_caret = m_anchor = index;
    } else {
        SelectOnly(index);
    }
    Changed();
    Notify(LBN_SELCHANGE);
}

void CtlListBox::UserDoubleClick(int index)
{
    CtlBusy busy;
    if (!IsEnabled() || index < 0 || index >= Count()) return;
    Notify(LBN_DBLCLK);
}

void CtlListBox::UserStep(int delta)
{
    CtlBusy busy;
    if (!IsEnabled() || Count() == 0) return;
    int from = IsMultiple() ? m_caret : CurSel();
    int next = from < 0 ? 0 : std::clamp(from + delta, 0, Count() - 1);
    if (next == from && IsSelected(next)) return;
    SelectOnly(next);
    Changed();
    Notify(LBN_SELCHANGE);
}
