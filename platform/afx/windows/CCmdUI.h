#pragma once
// The state of one command's user-interface item (menu item, tool-bar button,
// status pane, control) that an update handler sets.
#include "win32/WinTypes.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI {
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL on = TRUE);
    virtual void SetCheck(int check = 1);     // 0 off, 1 on, 2 indeterminate
    virtual void SetRadio(BOOL on = TRUE);
    virtual void SetText(LPCTSTR text);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks target's routing for an update handler; without one, and when
    // disableIfNoHandler is set, an item without a command handler is disabled.
    BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    UINT m_nIndexMax = 0;
    CMenu* m_pMenu = nullptr;        // the item is m_nIndex of this menu
    CMenu* m_pSubMenu = nullptr;
    CWnd* m_pOther = nullptr;        // or this window
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
};

// A CCmdUI that only records what the handler asked for.
class CTestCmdUI : public CCmdUI {
public:
    void Enable(BOOL on = TRUE) override { m_bEnabled = on; m_bEnableChanged = TRUE; }
    void SetCheck(int check = 1) override { m_nCheck = check; }
    void SetRadio(BOOL on = TRUE) override { m_nCheck = on ? 1 : 0; }
    void SetText(LPCTSTR text) override;

    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
    bool m_hasText = false;
    char m_text[256] = {0};
};
