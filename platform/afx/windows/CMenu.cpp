#include "afx/windows/CMenu.h"

#include "afx/CString.h"
#include "afx/windows/CWnd.h"
#include "afx/HandleMap.h"
#include "win32/dialogs/Resources.h"

#include <vector>

namespace {
MvHandleMap<CMenu, HMENU>& Menus()
{
    static auto* map = new MvHandleMap<CMenu, HMENU>;
    return *map;
}
} // namespace

void MvDeleteTempMenus()
{
    Menus().DeleteTemporary();
}

CMenu::~CMenu()
{
    if (!m_temporary) DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU menu)
{
    return Menus().FromHandle(menu);
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(UINT id)
{
    return Attach(::LoadMenuA(nullptr, MAKEINTRESOURCEA(id)));
}

BOOL CMenu::LoadMenu(LPCTSTR name)
{
    return Attach(::LoadMenuA(nullptr, name));
}

BOOL CMenu::Attach(HMENU menu)
{
    if (!menu || m_hMenu) return FALSE;
    m_hMenu = menu;
    Menus().Attach(menu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU menu = m_hMenu;
    if (menu && !m_temporary) Menus().Detach(menu);
    m_hMenu = nullptr;
    return menu;
}

BOOL CMenu::DestroyMenu()
{
    HMENU menu = Detach();
    return menu ? ::DestroyMenu(menu) : FALSE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCTSTR text) { return ::AppendMenuA(m_hMenu, flags, id, text); }
BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR id, LPCTSTR text)
{
    return ::InsertMenuA(m_hMenu, position, flags, id, text);
}
BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR id, LPCTSTR text)
{
    return ::ModifyMenuA(m_hMenu, position, flags, id, text);
}
BOOL CMenu::DeleteMenu(UINT position, UINT flags) { return ::DeleteMenu(m_hMenu, position, flags); }
BOOL CMenu::RemoveMenu(UINT position, UINT flags) { return ::RemoveMenu(m_hMenu, position, flags); }
UINT CMenu::EnableMenuItem(UINT item, UINT enable) { return ::EnableMenuItem(m_hMenu, item, enable); }
UINT CMenu::CheckMenuItem(UINT item, UINT check) { return ::CheckMenuItem(m_hMenu, item, check); }
BOOL CMenu::CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags)
{
    return ::CheckMenuRadioItem(m_hMenu, first, last, item, flags);
}
UINT CMenu::GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }
int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
CMenu* CMenu::GetSubMenu(int position) const { return FromHandle(::GetSubMenu(m_hMenu, position)); }

int CMenu::GetMenuString(UINT item, LPTSTR buffer, int max, UINT flags) const
{
    return ::GetMenuStringA(m_hMenu, item, buffer, max, flags);
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const
{
    int n = ::GetMenuStringA(m_hMenu, item, nullptr, 0, flags);
    std::vector<char> buffer(static_cast<size_t>(n) + 1, 0);
    n = ::GetMenuStringA(m_hMenu, item, buffer.data(), n + 1, flags);
    text = buffer.data();
    return n;
}

BOOL CMenu::SetItemText(UINT item, LPCTSTR text, UINT flags)
{
    UINT state = ::GetMenuState(m_hMenu, item, flags);
    if (state == static_cast<UINT>(-1) || (state & MF_SEPARATOR)) return FALSE;
    UINT_PTR id;
    if (state & MF_POPUP) {
        // Sub-menus are only addressed by position.
        if (!(flags & MF_BYPOSITION)) return FALSE;
        id = reinterpret_cast<UINT_PTR>(::GetSubMenu(m_hMenu, static_cast<int>(item)));
        state = (state & 0xFF) | MF_POPUP;
    } else {
        id = (flags & MF_BYPOSITION) ? ::GetMenuItemID(m_hMenu, static_cast<int>(item)) : item;
    }
    return ::ModifyMenuA(m_hMenu, item, flags | MF_STRING | (state & ~MF_HILITE), id, text);
}

BOOL CMenu::SetDefaultItem(UINT item, BOOL byPosition)
{
    return ::SetMenuDefaultItem(m_hMenu, item, byPosition);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect)
{
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, rect);
}
