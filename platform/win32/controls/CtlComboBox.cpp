#include "win32/controls/CtlComboBox.h"
#include "win32/controls/CtlBusy.h"
#include "win32/controls/CtlMessages.h"
#include "win32/CtlText.h"

#include <algorithm>

CtlComboBox::CtlComboBox(DWORD style) : CtlListModel(style, ODT_COMBOBOX) {}

bool CtlComboBox::HasEdit() const
{
    return (Style() & CBS_TYPEMASK) != CBS_DROPDOWNLIST;
}

bool CtlComboBox::IsSorted() const
{
    return (Style() & CBS_SORT) != 0;
}

void CtlComboBox::ItemInserted(int index)
{
    if (m_cur >= index) ++m_cur;
}

void CtlComboBox::ItemRemoved(int index)
{
    if (m_cur == index) {
        m_cur = -1;
        m_text.clear();
    } else if (m_cur > index) {
        --m_cur;
    }
}

void CtlComboBox::Select(int index, bool user)
{
    if (index < -1 || index >= Count()) index = -1;
    m_cur = index;
    m_text = index >= 0 ? m_items[static_cast<size_t>(index)].text : std::string();
    m_editStart = 0;
    m_editEnd = static_cast<DWORD>(CtlWiden(m_text).size());
    Changed();
    if (user) Command(CBN_SELCHANGE);
}

CtlListModel::Op CtlComboBox::OpOf(UINT message, bool& found)
{
    found = true;
    switch (message) {
    case CB_ADDSTRING: return Op::Add;
    case CB_INSERTSTRING: return Op::Insert;
    case CB_DELETESTRING: return Op::Delete;
    case CB_RESETCONTENT: return Op::Reset;
    case CB_GETCOUNT: return Op::Count;
    case CB_GETLBTEXT: return Op::GetText;
    case CB_GETLBTEXTLEN: return Op::GetTextLen;
    case CB_FINDSTRING: return Op::Find;
    case CB_FINDSTRINGEXACT: return Op::FindExact;
    case CB_GETITEMDATA: return Op::GetData;
    case CB_SETITEMDATA: return Op::SetData;
    case CB_SETITEMHEIGHT: return Op::SetHeight;
    case CB_GETITEMHEIGHT: return Op::GetHeight;
    case CB_GETTOPINDEX: return Op::GetTop;
    case CB_SETTOPINDEX: return Op::SetTop;
    default: found = false; return Op::Count;
    }
}

LRESULT CtlComboBox::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    bool listOp = false;
    Op op = OpOf(message, listOp);
    if (listOp) {
        if (op == Op::Reset) {
            m_cur = -1;
            m_text.clear();
        }
        return HandleList(op, wParam, lParam);
    }
    switch (message) {
    case CB_GETCURSEL:
        return m_cur;
    case CB_SETCURSEL: {
        auto index = static_cast<int>(static_cast<intptr_t>(wParam));
        Select(index, false);
        return index >= 0 && index < Count() ? index : CB_ERR;
    }
    case CB_SELECTSTRING: {
        int found = FindPrefix(static_cast<int>(static_cast<intptr_t>(wParam)), CtlTextArg(lParam));
        if (found >= 0) Select(found, false);
        return found;
    }
    case CB_SHOWDROPDOWN:
        if (wParam) UserDropDown(); else UserCloseUp();
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return m_dropped ? TRUE : FALSE;
    case CB_GETEDITSEL:
        if (!HasEdit()) return CB_ERR;
        if (wParam) *reinterpret_cast<DWORD*>(wParam) = m_editStart;
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = m_editEnd;
        return MAKELONG(std::min<DWORD>(m_editStart, 0xFFFF), std::min<DWORD>(m_editEnd, 0xFFFF));
    case CB_SETEDITSEL: {
        if (!HasEdit()) return CB_ERR;
        auto length = static_cast<DWORD>(CtlWiden(m_text).size());
        auto start = static_cast<SHORT>(LOWORD(lParam));
        auto end = static_cast<SHORT>(HIWORD(lParam));
        m_editStart = start < 0 ? length : std::min<DWORD>(static_cast<DWORD>(start), length);
        m_editEnd = end < 0 ? length : std::min<DWORD>(static_cast<DWORD>(end), length);
        if (start < 0) m_editStart = m_editEnd = length;
        Changed();
        return TRUE;
    }
    case CB_LIMITTEXT:
        m_limit = static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFF));
        return TRUE;
    case CB_GETDROPPEDWIDTH:
        return m_droppedWidth;
    case CB_SETDROPPEDWIDTH:
        m_droppedWidth = static_cast<int>(wParam);
        return m_droppedWidth;
    case WM_SETTEXT:
        // Every kind shows the text it is given (a drop-down list too); the list is left alone.
        m_text = CtlTextArg(lParam);
        m_editStart = m_editEnd = 0;
        Changed();
        return TRUE;
    case WM_GETTEXT:
        return CtlCopyOut(m_text, reinterpret_cast<char*>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(m_text.size());
    case WM_GETDLGCODE:
        // The arrows and letters choose items; a dialog does not move on them.
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (HasEdit() ? DLGC_HASSETSEL : 0);
    case WM_SETFOCUS:
        Command(CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        if (m_dropped) {
            m_dropped = false;
            Changed();
            Command(CBN_CLOSEUP);
            Command(CBN_SELENDCANCEL);
        }
        Command(CBN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN: {
        if (!IsEnabled()) return 0;
        if (Host()) Host()->TakeFocus();
        POINT p = PointOf(lParam);
        // A simple combo's list is always shown under its edit part.
        bool listShown = m_dropped || (Style() & CBS_TYPEMASK) == CBS_SIMPLE;
        if (!listShown) {
            UserDropDown();
        } else if (p.y >= EditHeight()) {
            int index = m_top + (p.y - EditHeight()) / std::max(1, m_itemHeight);
            if (index < Count()) UserPick(index);
            else UserCloseUp();
        } else if (m_dropped) {
            UserCloseUp();
        }
        return 0;
    }
    case WM_CHAR:
        if (wParam >= 0x20) {
            char16_t c = static_cast<char16_t>(wParam);
            UserType(CtlNarrow(std::u16string_view(&c, 1)));
        }
        return 0;
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_DOWN: UserStep(1); return 0;
        case VK_UP: UserStep(-1); return 0;
        case VK_F4: if (m_dropped) UserCloseUp(); else UserDropDown(); return 0;
        case VK_RETURN: case VK_ESCAPE: if (m_dropped) UserCloseUp(); return 0;
        default: handled = false; return 0;
        }
    default:
        handled = false;
        return 0;
    }
}

RECT CtlComboBox::ItemRect(int index) const
{
    RECT client = Host() ? Host()->ClientRect() : RECT{0, 0, 100, 100};
    LONG y = EditHeight() + (index - m_top) * m_itemHeight;
    return RECT{0, y, client.right, y + m_itemHeight};
}

void CtlComboBox::Paint(HDC dc)
{
    if (!IsOwnerDrawn()) return;
    RECT client = Host() ? Host()->ClientRect() : RECT{0, 0, 100, m_itemHeight + 6};
    bool focused = Host() && Host()->HasFocus();
    RECT edit{0, 0, client.right, EditHeight()};
    DrawListItem(dc, m_cur, ODS_COMBOBOXEDIT | (focused ? ODS_FOCUS | ODS_SELECTED : 0), edit);
    if (!m_dropped) return;
    for (int i = m_top; i < Count(); ++i) DrawListItem(dc, i, i == m_cur ? ODS_SELECTED : 0, ItemRect(i));
}

void CtlComboBox::UserDropDown()
{
    CtlBusy busy;
    if (m_dropped || !IsEnabled()) return;
    if ((Style() & CBS_TYPEMASK) == CBS_SIMPLE) return;
    Command(CBN_DROPDOWN);
    m_dropped = true;
    Changed();
}

void CtlComboBox::UserCloseUp()
{
    CtlBusy busy;
    if (!m_dropped) return;
    m_dropped = false;
    Changed();
    Command(CBN_CLOSEUP);
}

void CtlComboBox::UserPick(int index)
{
    CtlBusy busy;
    if (!IsEnabled() || index < 0 || index >= Count()) return;
    UserDropDown();
    Select(index, true);
    Command(CBN_SELENDOK);
    UserCloseUp();
}

void CtlComboBox::UserStep(int delta)
{
    CtlBusy busy;
    if (!IsEnabled() || Count() == 0) return;
    int next = m_cur < 0 ? (delta > 0 ? 0 : Count() - 1) : std::clamp(m_cur + delta, 0, Count() - 1);
    if (next == m_cur) return;
    Select(next, true);
}

void CtlComboBox::UserType(const std::string& text)
{
    CtlBusy busy;
    if (!IsEnabled() || text.empty()) return;
    if (!HasEdit()) {
        int found = FindPrefix(m_cur, text);
        if (found >= 0 && found != m_cur) Select(found, true);
        return;
    }
    std::u16string current = CtlWiden(m_text);
    DWORD start = std::min<DWORD>(std::min(m_editStart, m_editEnd), static_cast<DWORD>(current.size()));
    DWORD end = std::min<DWORD>(std::max(m_editStart, m_editEnd), static_cast<DWORD>(current.size()));
    std::u16string typed = CtlWiden(text);
    if (m_limit > 0) {
        size_t room = static_cast<size_t>(std::max<int>(0, m_limit - static_cast<int>(current.size() - (end - start))));
        if (typed.size() > room) typed.resize(room);
    }
    current.replace(start, end - start, typed);
    m_text = CtlNarrow(current);
    m_editStart = m_editEnd = start + static_cast<DWORD>(typed.size());
    // The list follows the edit part only when it names an item exactly.
    m_cur = FindExact(-1, m_text);
    Changed();
    Command(CBN_EDITUPDATE);
    Command(CBN_EDITCHANGE);
}
