#include "win32/dialogs/Menu.h"

#include "win32/windowing/MessageQueue.h"
#include "win32/dialogs/Resources.h"
#include "win32/windowing/UserState.h"
#include "win32/windowing/Window.h"
#include "win32/windowing/WindowObserver.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

using mvuser::Guard;
using mvuser::Lock;

namespace {

constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT;

struct Item {
    UINT flags = 0;
    UINT_PTR id = 0;
    std::string text;
    HMENU sub = nullptr;
};

struct MenuData {
    std::vector<Item> items;
};

struct Menus {
    std::map<uintptr_t, std::shared_ptr<MenuData>> all;
    uintptr_t next = 1;
    std::map<HWND, HMENU> systemMenus;
    MvPopupMenuHandler popupHandler;
};

Menus& M()
{
    static Menus* menus = new Menus;
    return *menus;
}

MenuData* Get(HMENU menu)
{
    auto it = M().all.find(reinterpret_cast<uintptr_t>(menu));
    return it == M().all.end() ? nullptr : it->second.get();
}

HMENU New()
{
    Guard guard(Lock());
    uintptr_t key = (M().next++ << 4) | 0x8;
    M().all[key] = std::make_shared<MenuData>();
    return reinterpret_cast<HMENU>(key);
}

// The item addressed by position or command (searching sub-menus); sets owner.
Item* Locate(HMENU menu, UINT item, UINT flags, MenuData** owner = nullptr, size_t* index = nullptr)
{
    MenuData* m = Get(menu);
    if (!m) return nullptr;
    if (flags & MF_BYPOSITION) {
        if (item >= m->items.size()) return nullptr;
        if (owner) *owner = m;
        if (index) *index = item;
        return &m->items[item];
    }
    for (size_t i = 0; i < m->items.size(); ++i) {
        Item& it = m->items[i];
        if (!it.sub && !(it.flags & MF_SEPARATOR) && it.id == item) {
            if (owner) *owner = m;
            if (index) *index = i;
            return &it;
        }
        if (it.sub)
            if (Item* found = Locate(it.sub, item, flags, owner, index)) return found;
    }
    return nullptr;
}

Item Make(UINT flags, UINT_PTR idOrPopup, LPCSTR text)
{
    Item it;
    it.flags = flags & ~(MF_BYPOSITION | MF_APPEND | MF_CHANGE | MF_DELETE | MF_REMOVE);
    if (flags & MF_POPUP) it.sub = reinterpret_cast<HMENU>(idOrPopup);
    else it.id = idOrPopup;
    if (!(flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)) && text) it.text = text;
    return it;
}

void DestroyTree(HMENU menu)
{
    MenuData* m = Get(menu);
    if (!m) return;
    for (auto& it : m->items)
        if (it.sub) DestroyTree(it.sub);
    M().all.erase(reinterpret_cast<uintptr_t>(menu));
}

// Tells observers about a menu once the change is done and the lock is released.
struct Changed {
    explicit Changed(HMENU m) : menu(m) {}
    ~Changed() { MvNotifyMenuObservers(menu); }
    HMENU menu;
};

} // namespace

HMENU CreateMenu() { return New(); }
HMENU CreatePopupMenu() { return New(); }

BOOL DestroyMenu(HMENU menu)
{
    Guard guard(Lock());
    if (!Get(menu)) return FALSE;
    DestroyTree(menu);
    return TRUE;
}

BOOL IsMenu(HMENU menu)
{
    Guard guard(Lock());
    return Get(menu) ? TRUE : FALSE;
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text)
{
    Changed changed(menu);
    Guard guard(Lock());
    MenuData* m = Get(menu);
    if (!m) return FALSE;
    m->items.push_back(Make(flags, idOrPopup, text));
    return TRUE;
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, LPCSTR text)
{
    Changed changed(menu);
    Guard guard(Lock());
    MenuData* owner = Get(menu);
    if (!owner) return FALSE;
    size_t index = owner->items.size();   // a position past the end appends
    if (flags & MF_BYPOSITION) index = std::min<size_t>(position, owner->items.size());
    else if (!Locate(menu, position, flags, &owner, &index)) return FALSE;
    owner->items.insert(owner->items.begin() + static_cast<long>(index), Make(flags, idOrPopup, text));
    return TRUE;
}

BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, LPCSTR text)
{
    Changed changed(menu);
    Guard guard(Lock());
    Item* it = Locate(menu, position, flags);
    if (!it) return FALSE;
    *it = Make(flags, idOrPopup, text);
    return TRUE;
}

static BOOL Remove(HMENU menu, UINT position, UINT flags, bool destroy)
{
    Changed changed(menu);
    Guard guard(Lock());
    MenuData* owner = nullptr;
    size_t index = 0;
    Item* it = Locate(menu, position, flags, &owner, &index);
    if (!it) return FALSE;
    if (destroy && it->sub) DestroyTree(it->sub);
    owner->items.erase(owner->items.begin() + static_cast<long>(index));
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) { return Remove(menu, position, flags, true); }
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) { return Remove(menu, position, flags, false); }

static UINT SetState(HMENU menu, UINT item, UINT flags, UINT mask)
{
    Changed changed(menu);
    Guard guard(Lock());
    Item* it = Locate(menu, item, flags);
    if (!it) return static_cast<UINT>(-1);
    UINT old = it->flags & mask;
    it->flags = (it->flags & ~mask) | (flags & mask);
    return old;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT enable)
{
    return SetState(menu, item, enable, MF_GRAYED | MF_DISABLED);
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check)
{
    return SetState(menu, item, check, MF_CHECKED);
}

BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags)
{
    Changed changed(menu);
    Guard guard(Lock());
    bool found = false;
    for (UINT i = first; i <= last && i >= first; ++i) {
        Item* it = Locate(menu, i, flags);
        if (!it) continue;
        it->flags = (it->flags & ~MF_CHECKED) | (i == check ? (MF_CHECKED | MF_RADIOCHECK) : 0);
        found = found || i == check;
        if (i == 0xFFFFFFFF) break;
    }
    return found ? TRUE : FALSE;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags)
{
    Guard guard(Lock());
    Item* it = Locate(menu, item, flags);
    if (!it) return static_cast<UINT>(-1);
    if (it->sub) {
        MenuData* sub = Get(it->sub);
        return (it->flags & 0xFF) | MF_POPUP | (static_cast<UINT>(sub ? sub->items.size() : 0) << 8);
    }
    return it->flags & (kStateBits | MF_SEPARATOR | MF_POPUP | MF_MENUBREAK | MF_MENUBARBREAK | MF_OWNERDRAW | MF_RADIOCHECK);
}

int GetMenuItemCount(HMENU menu)
{
    Guard guard(Lock());
    MenuData* m = Get(menu);
    return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position)
{
    Guard guard(Lock());
    MenuData* m = Get(menu);
    if (!m || position < 0 || static_cast<size_t>(position) >= m->items.size()) return static_cast<UINT>(-1);
    const Item& it = m->items[position];
    if (it.sub) return static_cast<UINT>(-1);
    return (it.flags & MF_SEPARATOR) ? 0 : static_cast<UINT>(it.id);
}

HMENU GetSubMenu(HMENU menu, int position)
{
    Guard guard(Lock());
    MenuData* m = Get(menu);
    if (!m || position < 0 || static_cast<size_t>(position) >= m->items.size()) return nullptr;
    return m->items[position].sub;
}

int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int max, UINT flags)
{
    Guard guard(Lock());
    Item* it = Locate(menu, item, flags);
    if (!it) return 0;
    int n = static_cast<int>(it->text.size());
    if (!buffer || max <= 0) return n;
    n = std::min(n, max - 1);
    std::memcpy(buffer, it->text.data(), n);
    buffer[n] = 0;
    return n;
}

BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition)
{
    Changed changed(menu);
    Guard guard(Lock());
    MenuData* m = Get(menu);
    if (!m) return FALSE;
    for (auto& it : m->items) it.flags &= ~MF_DEFAULT;
    if (item == static_cast<UINT>(-1)) return TRUE;
    Item* it = Locate(menu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    if (!it) return FALSE;
    it->flags |= MF_DEFAULT;
    return TRUE;
}

HMENU GetSystemMenu(HWND hwnd, BOOL revert)
{
    if (!IsWindow(hwnd) || !(GetWindowLongA(hwnd, GWL_STYLE) & WS_SYSMENU)) return nullptr;
    HMENU menu;
    {
        Guard guard(Lock());
        auto& sys = M().systemMenus;
        auto found = sys.find(hwnd);
        if (found != sys.end() && revert) {
            DestroyTree(found->second);
            sys.erase(found);
            return nullptr;
        }
        if (found != sys.end()) return found->second;
        if (revert) return nullptr;
        menu = New();
        sys[hwnd] = menu;
    }
    AppendMenuA(menu, MF_STRING, SC_RESTORE, "&Restore");
    AppendMenuA(menu, MF_STRING, SC_MOVE, "&Move");
    AppendMenuA(menu, MF_STRING, SC_SIZE, "&Size");
    AppendMenuA(menu, MF_STRING, SC_MINIMIZE, "Mi&nimize");
    AppendMenuA(menu, MF_STRING, SC_MAXIMIZE, "Ma&ximize");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    return menu;
}

void MvDestroyMenusOf(HWND hwnd, HMENU bar)
{
    Guard guard(Lock());
    if (bar) DestroyTree(bar);
    auto& sys = M().systemMenus;
    auto found = sys.find(hwnd);
    if (found == sys.end()) return;
    DestroyTree(found->second);
    sys.erase(found);
}

static HMENU Build(const std::vector<MvMenuItemTemplate>& items, bool popup)
{
    HMENU menu = popup ? CreatePopupMenu() : CreateMenu();
    for (const auto& t : items) {
        if (!t.popup.empty() || (t.flags & MF_POPUP))
            AppendMenuA(menu, t.flags | MF_POPUP, reinterpret_cast<UINT_PTR>(Build(t.popup, true)), t.text.c_str());
        else AppendMenuA(menu, t.flags, t.id, t.text.c_str());
    }
    return menu;
}

HMENU LoadMenuA(HINSTANCE, LPCSTR name)
{
    const auto* items = MvFindMenuResource(name);
    return items ? Build(*items, false) : nullptr;
}

void MvSetPopupMenuHandler(MvPopupMenuHandler handler)
{
    Guard guard(Lock());
    M().popupHandler = std::move(handler);
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*)
{
    if (!IsMenu(menu) || !IsWindow(owner)) return FALSE;
    SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    MvPopupMenuHandler handler;
    {
        Guard guard(Lock());
        handler = M().popupHandler;
    }
    UINT chosen = handler ? handler(menu, owner, POINT{x, y}) : 0;
    if (chosen) {
        UINT state = GetMenuState(menu, chosen, MF_BYCOMMAND);
        // A disabled or missing item cannot be chosen.
        if (state == static_cast<UINT>(-1) || (state & (MF_GRAYED | MF_DISABLED))) chosen = 0;
    }
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
    if (chosen) PostMessageA(owner, WM_COMMAND, chosen, 0);
    return TRUE;
}
