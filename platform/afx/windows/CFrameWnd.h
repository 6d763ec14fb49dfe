#pragma once
// A top-level frame: menu, accelerators and title from one resource id, control
// bars laid out at its edges, the first pane filling the rest, and command routing
// with update handlers for menus and bars.
#include "afx/windows/AfxIds.h"
#include "afx/windows/CControlBar.h"
#include "afx/windows/CControlBar.h"
#include "afx/windows/CWnd.h"

#include <vector>

class CControlBar;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd() = default;
    // A copy has no window and no accelerator table of its own yet.
    CFrameWnd(const CFrameWnd& other) : CWnd(other), m_bAutoMenuEnable(other.m_bAutoMenuEnable), m_title(other.m_title) {}
    CFrameWnd& operator=(const CFrameWnd& other)
    {
        m_bAutoMenuEnable = other.m_bAutoMenuEnable;
        m_title = other.m_title;
        return *this;
    }

    static const CRect rectDefault;
    BOOL Create(LPCTSTR className, LPCTSTR title, DWORD style = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                CWnd* parent = nullptr, LPCTSTR menuName = nullptr, DWORD exStyle = 0, void* context = nullptr);
    // Title (the text of string resId up to its first '\n'), menu and accelerators from resId.
    virtual BOOL LoadFrame(UINT resId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, CWnd* parent = nullptr,
                           void* context = nullptr);
    BOOL LoadAccelTable(LPCTSTR name);
    void ActivateFrame(int command = -1);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;

    virtual void RecalcLayout(BOOL notify = TRUE);
    virtual void GetMessageString(UINT id, CString& text) const;
    void SetMessageText(LPCTSTR text);
    void SetMessageText(UINT id);
    CWnd* GetMessageBar();
    void SetTitle(LPCTSTR title);
    CString GetTitle() const;
    // Docking: the sides (CBRS_ALIGN_*) bars may dock to; a bar docked to a side (0: the
    // first side both allow), floated in a small frame of its own at a screen point, shown
    // or hidden. Each side's strip of the client area, in client coordinates.
    void EnableDocking(DWORD style);
    void DockControlBar(CControlBar* bar, UINT dockBarId = 0, LPCRECT rect = nullptr);
    void FloatControlBar(CControlBar* bar, CPoint point, DWORD style = CBRS_ALIGN_TOP);
    void ShowControlBar(CControlBar* bar, BOOL show, BOOL delay);
    CRect GetDockBarRect(UINT dockBarId) const;
    DWORD m_dwDockStyle = 0;
    // Refreshes menu items of popup from the update handlers (as opening the menu does).
    void UpdateMenuItems(CMenu* popup);

    BOOL m_bAutoMenuEnable = TRUE;
    HACCEL m_hAccelTable = nullptr;

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnClose();
    void OnSetFocus(CWnd* old);
    void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
    LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void OnUpdateKeyIndicator(CCmdUI* ui);

    DECLARE_MESSAGE_MAP()

private:
    CString m_title;
};
