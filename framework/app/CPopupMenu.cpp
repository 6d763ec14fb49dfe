#include "CPopupMenu.h"

#include "afx/windows/CWnd.h"
#include "win32/dialogs/Menu.h"
#include "win32/windowing/Window.h"

CPopupMenu::~CPopupMenu() { m_menu.DestroyMenu(); }

void CPopupMenu::Create()
{
    if (m_created) return;
    m_created = m_menu.CreatePopupMenu() != FALSE;
}

void CPopupMenu::AddItem(const char* text, UINT id)
{
    Create();
    if (m_created) m_menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, id, text ? text : "");
}

void CPopupMenu::PopupRight(CWnd* window)
{
    if (!m_created) return;
    POINT at{};
    GetCursorPos(&at);
    m_menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, window);
}
