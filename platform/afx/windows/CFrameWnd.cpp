#include "afx/windows/CFrameWnd.h"

#include "afx/windows/CCmdUI.h"
#include "afx/windows/CControlBar.h"
#include "afx/windows/CDockContext.h"
#include "afx/windows/CMiniDockFrameWnd.h"
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

namespace {

DWORD AlignOf(UINT dockBarId)
{
    switch (dockBarId) {
    case AFX_IDW_DOCKBAR_BOTTOM: return CBRS_ALIGN_BOTTOM;
    case AFX_IDW_DOCKBAR_LEFT: return CBRS_ALIGN_LEFT;
    case AFX_IDW_DOCKBAR_RIGHT: return CBRS_ALIGN_RIGHT;
    default: return CBRS_ALIGN_TOP;
    }
}

// The side a bar of the frame keeps to: where it was docked, else its alignment.
UINT SideOf(const CControlBar& bar)
{
    if (bar.m_nDockBarID) return bar.m_nDockBarID;
    return (bar.GetBarStyle() & CBRS_BOTTOM) ? AFX_IDW_DOCKBAR_BOTTOM : AFX_IDW_DOCKBAR_TOP;
}

} // namespace

// The frame's visible bars, in creation order.
static std::vector<CControlBar*> BarsOf(const CFrameWnd& frame)
{
    std::vector<HWND> children;
    for (HWND c = ::GetWindow(frame.m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
    std::vector<CControlBar*> bars;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* bar = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(*it));
        if (bar && (bar->GetStyle() & WS_VISIBLE)) bars.push_back(bar);
    }
    return bars;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (!m_hWnd) return;
    CRect client;
    GetClientRect(&client);
    std::vector<CControlBar*> bars = BarsOf(*this);
    // Bars across take their height from the top or the bottom edge, in creation order;
    // bars docked down take their width from the sides in what is left.
    for (CControlBar* bar : bars) {
        UINT side = SideOf(*bar);
        if (side != AFX_IDW_DOCKBAR_TOP && side != AFX_IDW_DOCKBAR_BOTTOM) continue;
        int height = std::max(0, static_cast<int>(bar->CalcFixedLayout(TRUE, TRUE).cy));
        if (side == AFX_IDW_DOCKBAR_BOTTOM) {
            bar->MoveWindow(client.left, client.bottom - height, client.Width(), height);
            client.bottom -= height;
        } else {
            bar->MoveWindow(client.left, client.top, client.Width(), height);
            client.top += height;
        }
    }
    for (CControlBar* bar : bars) {
        UINT side = SideOf(*bar);
        if (side != AFX_IDW_DOCKBAR_LEFT && side != AFX_IDW_DOCKBAR_RIGHT) continue;
        int width = std::max(0, static_cast<int>(bar->CalcFixedLayout(TRUE, FALSE).cx));
        int height = std::max(0, static_cast<int>(client.Height()));
        if (side == AFX_IDW_DOCKBAR_RIGHT) {
            bar->MoveWindow(client.right - width, client.top, width, height);
            client.right -= width;
        } else {
            bar->MoveWindow(client.left, client.top, width, height);
            client.left += width;
        }
    }
    if (HWND pane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST))
        ::MoveWindow(pane, client.left, client.top, std::max(0, static_cast<int>(client.Width())),
                     std::max(0, static_cast<int>(client.Height())), TRUE);
}

CRect CFrameWnd::GetDockBarRect(UINT dockBarId) const
{
    CRect client;
    GetClientRect(&client);
    CRect top(client.left, client.top, client.right, client.top), bottom(client.left, client.bottom, client.right, client.bottom);
    for (CControlBar* bar : BarsOf(*this)) {
        CRect r;
        bar->GetWindowRect(&r);
        UINT side = SideOf(*bar);
        if (side == AFX_IDW_DOCKBAR_TOP) top.bottom += r.Height();
        if (side == AFX_IDW_DOCKBAR_BOTTOM) bottom.top -= r.Height();
    }
    switch (dockBarId) {
    case AFX_IDW_DOCKBAR_TOP: return top;
    case AFX_IDW_DOCKBAR_BOTTOM: return bottom;
    case AFX_IDW_DOCKBAR_LEFT: return CRect(client.left, top.bottom, client.left, bottom.top);
    case AFX_IDW_DOCKBAR_RIGHT: return CRect(client.right, top.bottom, client.right, bottom.top);
    default: return CRect();
    }
}

void CFrameWnd::EnableDocking(DWORD style)
{
    m_dwDockStyle = style & CBRS_ALIGN_ANY;
}

void CFrameWnd::DockControlBar(CControlBar* bar, UINT dockBarId, LPCRECT)
{
    if (!bar || !bar->m_hWnd) return;
    DWORD allowed = (bar->m_dwDockStyle ? bar->m_dwDockStyle : CBRS_ALIGN_TOP) & (m_dwDockStyle ? m_dwDockStyle : CBRS_ALIGN_TOP);
    if (!dockBarId || dockBarId == AFX_IDW_DOCKBAR_FLOAT || !(AlignOf(dockBarId) & allowed)) {
        dockBarId = 0;
        for (UINT id : {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT})
            if (!dockBarId && (AlignOf(id) & allowed)) dockBarId = id;
        if (!dockBarId) return;
    }
    auto* mini = dynamic_cast<CMiniDockFrameWnd*>(bar->GetParent());
    if (bar->GetParent() != this) bar->SetParent(this);
    bar->m_pDockSite = this;
    bar->m_nDockBarID = dockBarId;
    bar->SetBarStyle((bar->GetBarStyle() & ~CBRS_ALIGN_ANY) | AlignOf(dockBarId));
    if (bar->m_pDockContext) bar->m_pDockContext->m_uMRUDockID = dockBarId;
    if (mini) mini->DestroyWindow();
    RecalcLayout();
}

void CFrameWnd::FloatControlBar(CControlBar* bar, CPoint point, DWORD style)
{
    if (!bar || !bar->m_hWnd) return;
    auto* mini = dynamic_cast<CMiniDockFrameWnd*>(bar->GetParent());
    if (!mini) {
        mini = new CMiniDockFrameWnd;   // ends with its window
        if (!mini->Create(this, bar)) {
            if (!mini->m_hWnd) delete mini;
            return;
        }
        bar->SetParent(mini);
    }
    bar->m_pDockSite = this;
    bar->m_nDockBarID = AFX_IDW_DOCKBAR_FLOAT;
    bar->SetBarStyle((bar->GetBarStyle() & ~CBRS_ALIGN_ANY) | (style & CBRS_ALIGN_ANY));
    if (bar->m_pDockContext) bar->m_pDockContext->m_ptMRUFloatPos = point;
    CSize size = bar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    CRect frame(point, size);
    ::AdjustWindowRectEx(&frame, mini->GetStyle(), FALSE, mini->GetExStyle());
    mini->MoveWindow(point.x, point.y, frame.Width(), frame.Height());
    mini->RecalcLayout();
    mini->ShowWindow(SW_SHOWNA);
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* bar, BOOL show, BOOL)
{
    if (!bar || !bar->m_hWnd) return;
    bar->ShowWindow(show ? SW_SHOWNA : SW_HIDE);
    if (bar->IsFloating())
        if (CWnd* mini = bar->GetParent()) mini->ShowWindow(show ? SW_SHOWNA : SW_HIDE);
    RecalcLayout();
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
