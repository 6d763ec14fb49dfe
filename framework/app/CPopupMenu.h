#pragma once
// A pop-up menu built item by item and shown at the mouse pointer. Each new item goes to
// the top, so the menu lists the items in the reverse order of adding.
#include "afx/windows/CMenu.h"

class CWnd;

class CPopupMenu {
public:
    CPopupMenu() = default;
    CPopupMenu(const CPopupMenu&) = delete;
    CPopupMenu& operator=(const CPopupMenu&) = delete;
    virtual ~CPopupMenu();

    void Create();
    void AddItem(const char* text, UINT id);
    // The chosen command goes to the window; nothing is shown before an item was added.
    void PopupRight(CWnd* window);
    CMenu& GetMenu() { return m_menu; }
    bool IsCreated() const { return m_created; }

private:
    CMenu m_menu;
    bool m_created = false;
};
