#include "afx/windows/CFrameWnd.h"

#include "afx/windows/CCmdUI.h"
#include "afx/windows/CControlBar.h"
#include "afx/windows/CMenu.h"
#include "afx/windows/CWinApp.h"
#include "win32/dialogs/Resources.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_SETFOCUS()
    ON_WM_INITMENUPOPUP()
    ON_MESSAGE(WM_MENUSELECT, OnMenuSelect)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BOOL CFrameWnd::Create(LPCTSTR className, LPCTSTR title, DWORD style, const RECT& rect, CWnd* parent,
                       LPCTSTR menuName, DWORD exStyle, void*)
{
    HMENU menu = nullptr;
    if (menuName && !(menu = ::LoadMenuA(nullptr, menuName))) return FALSE;
    m_title = title ? title : "";
    // The default rectangle's corners are markers, not coordinates: never subtract them.
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, w = CW_USEDEFAULT, h = CW_USEDEFAULT;
    if (rect.left != CW_USEDEFAULT) {
        x = rect.left;
        y = rect.top;
        w = static_cast<int>(static_cast<int64_t>(rect.right) - rect.left);
        h = static_cast<int>(static_cast<int64_t>(rect.bottom) - rect.top);
    }
    HWND owner = parent ? parent->m_hWnd : nullptr;
    if (!CreateEx(exStyle, className, title, style & ~FWS_ADDTOTITLE, x, y, w, h, owner, menu)) {
        if (menu) ::DestroyMenu(menu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT resId, DWORD style, CWnd* parent, void* context)
{
    CString title;
    if (const char* text = MvFindString(resId)) {
        title = text;
        int end = title.Find('\n');
        if (end >= 0) title = title.Left(end);
    }
    const char* menuName = MvFindMenuResource(MAKEINTRESOURCEA(resId)) ? MAKEINTRESOURCEA(resId) : nullptr;
    if (!Create(nullptr, title, style, rectDefault, parent, menuName, 0, context)) return FALSE;
    LoadAccelTable(MAKEINTRESOURCEA(resId));
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR name)
{
    if (m_hAccelTable) return FALSE;
    m_hAccelTable = ::LoadAcceleratorsA(nullptr, name);
    return m_hAccelTable ? TRUE : FALSE;
}

void CFrameWnd::ActivateFrame(int command)
{
    if (command == -1) command = IsIconic() ? SW_RESTORE : SW_SHOW;
    ShowWindow(command);
    RecalcLayout();
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass) cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS);
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

void CFrameWnd::PostNcDestroy()
{
    if (m_hAccelTable) ::DestroyAcceleratorTable(m_hAccelTable);
    m_hAccelTable = nullptr;
    delete this;   // frames live on the heap and end with their window
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg)
{
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST && m_hAccelTable &&
        ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, msg))
        return TRUE;
    return CWnd::PreTranslateMessage(msg);
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (!m_hWnd) return;
    CRect client;
    GetClientRect(&client);
    // Bars take their height from the top or the bottom edge, in creation order.
    std::vector<HWND> children;
    for (HWND c = ::GetWindow(m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* bar = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(*it));
        if (!bar || !(bar->GetStyle() & WS_VISIBLE)) continue;
        int height = bar->GetBarHeight();
        if (bar->GetBarStyle() & CBRS_BOTTOM) {
            bar->MoveWindow(client.left, client.bottom - height, client.Width(), height);
            client.bottom -= height;
        } else {
            bar->MoveWindow(client.left, client.top, client.Width(), height);
            client.top += height;
        }
    }
    if (HWND pane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST))
        ::MoveWindow(pane, client.left, client.top, client.Width(), std::max(0, client.Height()), TRUE);
}

void CFrameWnd::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    if (type != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::OnClose()
{
    DestroyWindow();
}

void CFrameWnd::OnSetFocus(CWnd* old)
{
    if (HWND pane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST)) ::SetFocus(pane);
    else CWnd::OnSetFocus(old);
}

void CFrameWnd::UpdateMenuItems(CMenu* popup)
{
    if (!popup) return;
    CCmdUI state;
    state.m_pMenu = popup;
    state.m_nIndexMax = static_cast<UINT>(popup->GetMenuItemCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = popup->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) continue;   // separators and sub-menus
        state.DoUpdate(this, m_bAutoMenuEnable);
    }
}

void CFrameWnd::OnInitMenuPopup(CMenu* popup, UINT, BOOL sysMenu)
{
    if (!sysMenu) UpdateMenuItems(popup);
}

LRESULT CFrameWnd::OnMenuSelect(WPARAM wParam, LPARAM)
{
    UINT id = LOWORD(wParam);
    if (HIWORD(wParam) == 0xFFFF) SetMessageText(AFX_IDS_IDLEMESSAGE);
    else SetMessageText(id);
    return 0;
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    return 0;
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* ui)
{
    int key = ui->m_nID == ID_INDICATOR_CAPS ? VK_CAPITAL : ui->m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK : VK_SCROLL;
    ui->Enable(::GetKeyState(key) != 0);
}

void CFrameWnd::GetMessageString(UINT id, CString& text) const
{
    text.Empty();
    if (const char* found = MvFindString(id)) {
        text = found;
        int end = text.Find('\n');
        if (end >= 0) text = text.Left(end);
    }
}

CWnd* CFrameWnd::GetMessageBar()
{
    return GetDlgItem(AFX_IDW_STATUS_BAR);
}

void CFrameWnd::SetMessageText(LPCTSTR text)
{
    if (CWnd* bar = GetMessageBar()) bar->SetWindowText(text);
}

void CFrameWnd::SetMessageText(UINT id)
{
    CString text;
    GetMessageString(id, text);
    SetMessageText(text);
}

void CFrameWnd::SetTitle(LPCTSTR title)
{
    m_title = title ? title : "";
}

CString CFrameWnd::GetTitle() const
{
    return m_title;
}
