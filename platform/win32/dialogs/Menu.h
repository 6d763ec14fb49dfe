#pragma once
// Menus as models: items with ids, texts, states and sub-menus. A popup menu that
// is tracked is answered by the handler a backend or a test installs.
#include "win32/Messages.h"

#include <functional>

#define MF_INSERT 0x00000000L
#define MF_CHANGE 0x00000080L
#define MF_APPEND 0x00000100L
#define MF_DELETE 0x00000200L
#define MF_REMOVE 0x00001000L
#define MF_BYCOMMAND 0x00000000L
#define MF_BYPOSITION 0x00000400L
#define MF_SEPARATOR 0x00000800L
#define MF_ENABLED 0x00000000L
#define MF_GRAYED 0x00000001L
#define MF_DISABLED 0x00000002L
#define MF_UNCHECKED 0x00000000L
#define MF_CHECKED 0x00000008L
#define MF_STRING 0x00000000L
#define MF_BITMAP 0x00000004L
#define MF_OWNERDRAW 0x00000100L
#define MF_POPUP 0x00000010L
#define MF_MENUBARBREAK 0x00000020L
#define MF_MENUBREAK 0x00000040L
#define MF_HILITE 0x00000080L
#define MF_DEFAULT 0x00001000L
#define MF_RADIOCHECK 0x00000200L

#define TPM_LEFTBUTTON 0x0000L
#define TPM_RIGHTBUTTON 0x0002L
#define TPM_LEFTALIGN 0x0000L
#define TPM_CENTERALIGN 0x0004L
#define TPM_RIGHTALIGN 0x0008L
#define TPM_TOPALIGN 0x0000L
#define TPM_BOTTOMALIGN 0x0020L
#define TPM_NONOTIFY 0x0080L
#define TPM_RETURNCMD 0x0100L

HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);          // with its sub-menus
BOOL IsMenu(HMENU menu);
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text);
BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, LPCSTR text);
BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, LPCSTR text);
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);   // destroys a sub-menu
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);   // keeps it
UINT EnableMenuItem(HMENU menu, UINT item, UINT enable);  // previous state, or -1
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);   // previous state, or -1
BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);     // -1 when missing
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int position);             // -1 for a sub-menu or none
HMENU GetSubMenu(HMENU menu, int position);
int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int max, UINT flags);
BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition);
HMENU GetSystemMenu(HWND hwnd, BOOL revert);
HMENU LoadMenuA(HINSTANCE instance, LPCSTR name);         // from win32/Resources.h
// Sends WM_INITMENUPOPUP to the owner, then asks the popup handler for the user's
// choice. With TPM_RETURNCMD answers the id; otherwise posts WM_COMMAND to the owner.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* rect);
#define AppendMenu AppendMenuA
#define InsertMenu InsertMenuA
#define ModifyMenu ModifyMenuA
#define GetMenuString GetMenuStringA
#define LoadMenu LoadMenuA

// A destroyed window takes its menu bar and system menu with it.
void MvDestroyMenusOf(HWND hwnd, HMENU bar);

// The user's choice in a tracked popup: the command id, or 0 when dismissed.
using MvPopupMenuHandler = std::function<UINT(HMENU menu, HWND owner, POINT at)>;
void MvSetPopupMenuHandler(MvPopupMenuHandler handler);
