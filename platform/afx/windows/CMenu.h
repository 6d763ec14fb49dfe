#pragma once
// A menu handle wrapper; destroys the menu it holds unless detached.
#include "afx/CObject.h"
#include "afx/windows/MessageMap.h"
#include "win32/dialogs/Menu.h"

class CString;
class CWnd;

class CMenu : public CObject {
public:
    CMenu() = default;
    CMenu(const CMenu&) : CObject() {}       // a copy holds no menu
    CMenu& operator=(const CMenu&) { return *this; }
    ~CMenu() override;

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }
    static CMenu* FromHandle(HMENU menu);

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(UINT id);
    BOOL LoadMenu(LPCTSTR name);
    BOOL Attach(HMENU menu);
    HMENU Detach();
    BOOL DestroyMenu();

    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);
    BOOL DeleteMenu(UINT position, UINT flags);
    BOOL RemoveMenu(UINT position, UINT flags);
    UINT EnableMenuItem(UINT item, UINT enable);
    UINT CheckMenuItem(UINT item, UINT check);
    BOOL CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags);
    UINT GetMenuState(UINT item, UINT flags) const;
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    CMenu* GetSubMenu(int position) const;
    int GetMenuString(UINT item, CString& text, UINT flags) const;
    int GetMenuString(UINT item, LPTSTR buffer, int max, UINT flags) const;
    // Changes only the text of an item, keeping its id, state and sub-menu.
    BOOL SetItemText(UINT item, LPCTSTR text, UINT flags);
    BOOL SetDefaultItem(UINT item, BOOL byPosition = FALSE);
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);

    void SetTemporaryHandle(HMENU menu) { m_hMenu = menu; m_temporary = true; }

private:
    bool m_temporary = false;
};

namespace mvafx {
template <auto P> bool InitMenuPopup(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(CMenu::FromHandle(reinterpret_cast<HMENU>(c.wParam)), LOWORD(c.lParam), HIWORD(c.lParam));
    *c.result = 0;
    return true;
}
} // namespace mvafx
