#include "afx/windows/CWnd.h"

#include "afx/windows/CCmdUI.h"
#include "afx/gdi/CDC.h"
#include "afx/windows/CDataExchange.h"
#include "afx/gdi/CGdiObject.h"
#include "afx/windows/CMenu.h"
#include "afx/windows/CWinApp.h"
#include "afx/HandleMap.h"
#include "win32/controls/CtlMessages.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Shell.h"
#include "win32/windowing/Timer.h"
#include "win32/windowing/Window.h"
#include "win32/windowing/WindowObserver.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

void MvDeleteTempMenus();

namespace {

thread_local MSG tCurrent{};

MvHandleMap<CWnd, HWND>& Windows()
{
    static auto* map = new MvHandleMap<CWnd, HWND>;
    return *map;
}

// Temporary wrappers forget their window when it is destroyed.
struct ForgetDestroyed : IMvWindowObserver {
    ForgetDestroyed() { MvAddWindowObserver(this); }
    void OnWindowEvent(HWND hwnd, MvWindowEvent event) override
    {
        if (event == MvWindowEvent::Destroyed) Windows().Forget(hwnd);
    }
};
ForgetDestroyed gForgetDestroyed;

// The child window a parent's message comes from, for reflection.
HWND ChildOf(HWND self, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC: case WM_HSCROLL: case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        return item && item->CtlType != ODT_MENU ? ::GetDlgItem(self, static_cast<int>(item->CtlID)) : nullptr;
    }
    case WM_DELETEITEM: {
        auto* item = reinterpret_cast<DELETEITEMSTRUCT*>(lParam);
        return item ? item->hwndItem : nullptr;
    }
    case WM_COMPAREITEM: {
        auto* item = reinterpret_cast<COMPAREITEMSTRUCT*>(lParam);
        return item ? item->hwndItem : nullptr;
    }
    case WM_PARENTNOTIFY:
        return (LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY) ? reinterpret_cast<HWND>(lParam) : nullptr;
    default:
        return nullptr;
    }
}

BOOL SendToChild(CWnd* self, HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* c = CWnd::FromHandlePermanent(child);
    if (!c || c == self) return FALSE;
    LRESULT scratch = 0;
    return c->OnChildNotify(message, wParam, lParam, result ? result : &scratch);
}

} // namespace

void AfxDeleteTempMaps()
{
    Windows().DeleteTemporary();
    MvDeleteTempMenus();
    MvDeleteTempGdiObjects();
    MvDeleteTempDcs();
}

// ---------------------------------------------------------------- the procedure

LRESULT MvAfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    if (!wnd) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    MSG saved = tCurrent;
    tCurrent = MSG{hwnd, message, wParam, lParam, 0, {}};
    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The last message: the object lets go of its window, then may delete itself.
        if (CWnd* still = CWnd::FromHandlePermanent(hwnd)) {
            AfxMainWindowGone(still);
            if (still->m_pfnSuper) ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(still->m_pfnSuper));
            still->Detach();
            still->PostNcDestroy();
        }
    }
    tCurrent = saved;
    return result;
}

const MSG* CWnd::GetCurrentMessage()
{
    return &tCurrent;
}

LPCTSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    static std::set<std::string>* names = new std::set<std::string>;
    char name[96];
    std::snprintf(name, sizeof name, "MvAfx:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor),
                  static_cast<void*>(background), static_cast<void*>(icon));
    WNDCLASSA wc{};
    if (!::GetClassInfoA(nullptr, name, &wc)) {
        wc.style = classStyle;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.hIcon = icon;
        wc.lpszClassName = name;
        ::RegisterClassA(&wc);
    }
    return names->insert(name).first->c_str();
}

// ---------------------------------------------------------------- attaching

const CWnd CWnd::wndTop(SpecialPlace{}, HWND_TOP);
const CWnd CWnd::wndBottom(SpecialPlace{}, HWND_BOTTOM);
const CWnd CWnd::wndTopMost(SpecialPlace{}, HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(SpecialPlace{}, HWND_NOTOPMOST);

CWnd::~CWnd()
{
    if (m_hWnd && !m_temporary && FromHandlePermanent(m_hWnd) == this) {
        ::DestroyWindow(m_hWnd);
        // Still attached (a window of another thread): let go of it.
        if (m_hWnd) UnsubclassWindow();
    }
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    return ::IsWindow(hwnd) ? Windows().FromHandle(hwnd) : nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    return hwnd ? Windows().Permanent(hwnd) : nullptr;
}

CWnd* mvafx::WndFromHandle(HWND hwnd)
{
    return CWnd::FromHandle(hwnd);
}

CPoint mvafx::PointOf(LPARAM lParam)
{
    return CPoint(lParam);
}

BOOL CWnd::Attach(HWND hwnd)
{
    if (!::IsWindow(hwnd) || m_hWnd || FromHandlePermanent(hwnd)) return FALSE;
    m_hWnd = hwnd;
    m_temporary = false;
    Windows().Attach(hwnd, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hwnd = m_hWnd;
    if (hwnd && !m_temporary && FromHandlePermanent(hwnd) == this) Windows().Detach(hwnd);
    m_hWnd = nullptr;
    return hwnd;
}

void CWnd::Subclass(HWND hwnd)
{
    auto old = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MvAfxWndProc)));
    if (old != &MvAfxWndProc) m_pfnSuper = old;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (!Attach(hwnd)) return FALSE;
    PreSubclassWindow();
    Subclass(hwnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (!parent) return FALSE;
    HWND item = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return item ? SubclassWindow(item) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd && m_pfnSuper) ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::CreationHook(HWND hwnd, void* self)
{
    auto* wnd = static_cast<CWnd*>(self);
    if (wnd->Attach(hwnd)) wnd->Subclass(hwnd);
}

// ---------------------------------------------------------------- creation

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id, void*)
{
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id, nullptr);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id, LPVOID param)
{
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU idOrMenu, LPVOID param)
{
    if (m_hWnd) return FALSE;
    CREATESTRUCT cs{param, nullptr, idOrMenu, parent, height, width, y, x, static_cast<LONG>(style), windowName,
                    className, exStyle};
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    ::MvHookNextWindow(&CWnd::CreationHook, this);
    HWND hwnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    ::MvHookNextWindow(nullptr, nullptr);
    return hwnd ? TRUE : FALSE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass) cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS);
    return TRUE;
}

void CWnd::PreSubclassWindow() {}
void CWnd::PostNcDestroy() {}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd) return FALSE;
    HWND hwnd = m_hWnd;
    bool temporary = m_temporary;
    // An attached object may delete itself in PostNcDestroy: touch it no more after.
    BOOL ok = ::DestroyWindow(hwnd);
    if (temporary && ok) m_hWnd = nullptr;
    return ok;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg)
{
    for (HWND h = msg->hwnd; h; h = ::GetParent(h)) {
        if (CWnd* w = FromHandlePermanent(h); w && w->PreTranslateMessage(msg)) return TRUE;
        if (h == stop) break;
    }
    return FALSE;
}

BOOL AfxPreTranslateMessage(MSG* msg)
{
    if (MvPreTranslate(*msg)) return TRUE;
    return CWnd::WalkPreTranslateTree(nullptr, msg);
}

// ---------------------------------------------------------------- dispatch

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    LRESULT scratch = 0;
    if (!result) result = &scratch;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        *result = 0;
        return TRUE;
    }
    if (message == WM_NOTIFY) return lParam && OnNotify(wParam, lParam, result);
    if (const MvMsgEntry* entry = FindEntry(GetMessageMap(), message, 0, 0)) {
        MvMsgCall call{message, wParam, lParam, 0, nullptr, result};
        *result = 0;
        if (CallEntry(entry, call)) return TRUE;
    }
    // Messages about a child go back to the child first.
    if (message < MV_REFLECT_BASE)
        if (HWND child = ChildOf(m_hWnd, message, wParam, lParam))
            return SendToChild(this, child, message, wParam, lParam, result);
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(tCurrent.message, tCurrent.wParam, tCurrent.lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    int code = HIWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control) {
        if (SendToChild(this, control, WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
    } else {
        // A menu or accelerator command that its update handler disables is ignored.
        CTestCmdUI state;
        state.m_nID = id;
        OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled) return TRUE;
        code = CN_COMMAND;
    }
    return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->hwndFrom && SendToChild(this, header->hwndFrom, WM_NOTIFY, header->idFrom, lParam, result)) return TRUE;
    AFX_NOTIFY notify{result, header};
    return OnCmdMsg(static_cast<UINT>(header->idFrom), MAKELONG(header->code, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    LRESULT scratch = 0;
    if (!result) result = &scratch;
    switch (message) {
    case WM_COMMAND:
        if (CCmdTarget::OnCmdMsg(0, MAKELONG(HIWORD(wParam), MV_REFLECT_BASE + WM_COMMAND), nullptr, nullptr)) {
            *result = 1;
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify{result, header};
        return CCmdTarget::OnCmdMsg(0, MAKELONG(header->code, MV_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    default:
        return OnWndMsg(MV_REFLECT_BASE + message, wParam, lParam, result);
    }
}

BOOL CWnd::ReflectLastMsg(HWND child, LRESULT* result)
{
    return SendToChild(nullptr, child, tCurrent.message, tCurrent.wParam, tCurrent.lParam, result);
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return dx.m_bFailed ? FALSE : TRUE;
}

// ---------------------------------------------------------------- modal loop

BOOL CWnd::ContinueModal()
{
    return m_modal ? TRUE : FALSE;
}

void CWnd::EndModalLoop(int result)
{
    m_nModalResult = result;
    if (m_modal) {
        m_modal = false;
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);   // wakes the loop
    }
}

int CWnd::RunModalLoop()
{
    HWND self = m_hWnd;
    while (ContinueModal()) {
        MSG msg;
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));   // for the outer loop
            break;
        }
        if (!msg.hwnd && !(msg.message == WM_TIMER && msg.lParam)) continue;
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (!::IsWindow(self)) break;
    }
    m_modal = false;
    return m_nModalResult;
}

// ---------------------------------------------------------------- wrappers

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL deep)
{
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        ::SendMessageA(child, message, wParam, lParam);
        if (deep && ::IsWindow(child)) {
            CWnd temp;
            temp.SetTemporaryHandle(child);
            temp.SendMessageToDescendants(message, wParam, lParam, TRUE);
            temp.m_hWnd = nullptr;
        }
    }
}

void CWnd::SetWindowText(LPCTSTR text) { ::SetWindowTextA(m_hWnd, text); }
int CWnd::GetWindowText(LPTSTR buffer, int max) const { return ::GetWindowTextA(m_hWnd, buffer, max); }
int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }

void CWnd::GetWindowText(CString& text) const
{
    int n = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> buffer(static_cast<size_t>(n) + 1, 0);
    ::GetWindowTextA(m_hWnd, buffer.data(), n + 1);
    text = buffer.data();
}

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::SetParent(CWnd* parent) { return FromHandle(::SetParent(m_hWnd, parent ? parent->m_hWnd : nullptr)); }
CWnd* CWnd::GetOwner() const
{
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    return FromHandle(owner ? owner : ::GetParent(m_hWnd));
}
void CWnd::SetOwner(CWnd* owner) { ::SetWindowLongPtrA(m_hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner ? owner->m_hWnd : nullptr)); }
CWnd* CWnd::GetTopLevelParent() const { return FromHandle(::GetAncestor(m_hWnd, GA_ROOT)); }
CWnd* CWnd::GetWindow(UINT relation) const { return FromHandle(::GetWindow(m_hWnd, relation)); }
CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
CWnd* CWnd::GetDescendantWindow(int id, BOOL onlyPermanent) const
{
    for (HWND c = ::GetWindow(m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(c) == id) {
            CWnd* found = onlyPermanent ? FromHandlePermanent(c) : FromHandle(c);
            if (found) return found;
        }
    }
    for (HWND c = ::GetWindow(m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        CWnd child;
        child.SetTemporaryHandle(c);
        CWnd* found = child.GetDescendantWindow(id, onlyPermanent);
        child.m_hWnd = nullptr;
        if (found) return found;
    }
    return nullptr;
}

void CWnd::UpdateDialogControls(CCmdTarget* target, BOOL disableIfNoHandler)
{
    CCmdUI state;
    CWnd control;
    state.m_pOther = &control;
    for (HWND c = ::GetWindow(m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        int id = ::GetDlgCtrlID(c);
        if (id <= 0 || id == 0xFFFF) continue;   // static texts carry no command
        control.SetTemporaryHandle(c);
        state.m_nID = static_cast<UINT>(id);
        state.DoUpdate(target, disableIfNoHandler);
    }
    control.m_hWnd = nullptr;
}

void CWnd::GetDlgItem(int id, HWND* out) const { if (out) *out = ::GetDlgItem(m_hWnd, id); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int id) { return static_cast<int>(::SetWindowLongPtrA(m_hWnd, GWLP_ID, id)); }
BOOL CWnd::IsChild(const CWnd* other) const { return other ? ::IsChild(m_hWnd, other->m_hWnd) : FALSE; }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }
CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
CWnd* CWnd::GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }
CWnd* CWnd::GetDesktopWindow() { return nullptr; }
CWnd* CWnd::WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }

BOOL CWnd::ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* CWnd::SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
BOOL CWnd::SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
void CWnd::BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }

void CWnd::GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) { ::MoveWindow(m_hWnd, x, y, width, height, repaint); }
void CWnd::MoveWindow(LPCRECT rect, BOOL repaint)
{
    if (rect) ::MoveWindow(m_hWnd, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}
BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}
void CWnd::ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
void CWnd::ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
void CWnd::ClientToScreen(LPRECT rect) const { ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2); }
void CWnd::ScreenToClient(LPRECT rect) const { ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2); }
void CWnd::MapWindowPoints(CWnd* to, LPRECT rect) const
{
    ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}
void CWnd::MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const
{
    ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, points, count);
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    CRect self, area;
    GetWindowRect(&self);
    HWND over = alternateOwner ? alternateOwner->m_hWnd : ::GetParent(m_hWnd);
    ::GetWindowRect(over, &area);
    int x = area.left + (area.Width() - self.Width()) / 2;
    int y = area.top + (area.Height() - self.Height()) / 2;
    POINT p{x, y};
    if (GetStyle() & WS_CHILD) ::ScreenToClient(::GetParent(m_hWnd), &p);
    ::SetWindowPos(m_hWnd, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) { ::InvalidateRect(m_hWnd, rect, erase); }
void CWnd::ValidateRect(LPCRECT rect) { ::ValidateRect(m_hWnd, rect); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
BOOL CWnd::RedrawWindow(LPCRECT rect, HRGN region, UINT flags) { return ::RedrawWindow(m_hWnd, rect, region, flags); }
void CWnd::SetRedraw(BOOL redraw) { SendMessage(WM_SETREDRAW, redraw ? TRUE : FALSE, 0); }
BOOL CWnd::LockWindowUpdate() { return ::LockWindowUpdate(m_hWnd); }
void CWnd::UnlockWindowUpdate() { ::LockWindowUpdate(nullptr); }

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)); }

static BOOL Modify(HWND hwnd, int index, DWORD remove, DWORD add, UINT flags)
{
    DWORD style = static_cast<DWORD>(::GetWindowLongA(hwnd, index));
    DWORD next = (style & ~remove) | add;
    if (style == next) return FALSE;
    ::SetWindowLongA(hwnd, index, static_cast<LONG>(next));
    if (flags) ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) { return Modify(m_hWnd, GWL_STYLE, remove, add, flags); }
BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) { return Modify(m_hWnd, GWL_EXSTYLE, remove, add, flags); }

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC proc) { return ::SetTimer(m_hWnd, id, elapseMs, proc); }
BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::SetMenu(CMenu* menu) { return ::SetMenu(m_hWnd, menu ? menu->m_hMenu : nullptr); }
void CWnd::DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
CMenu* CWnd::GetSystemMenu(BOOL revert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert)); }

void CWnd::SetDlgItemText(int id, LPCTSTR text) { ::SetWindowTextA(::GetDlgItem(m_hWnd, id), text); }

int CWnd::GetDlgItemText(int id, CString& text) const
{
    text.Empty();
    CWnd* item = GetDlgItem(id);
    if (!item) return 0;
    item->GetWindowText(text);
    return text.GetLength();
}

int CWnd::GetDlgItemText(int id, LPTSTR buffer, int max) const
{
    return ::GetWindowTextA(::GetDlgItem(m_hWnd, id), buffer, max);
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned)
{
    char text[16];
    if (isSigned) std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    else std::snprintf(text, sizeof text, "%u", value);
    SetDlgItemText(id, text);
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const
{
    CString text;
    GetDlgItemText(id, text);
    text.Trim();
    const char* begin = text;
    char* end = nullptr;
    long long value = isSigned ? std::strtoll(begin, &end, 10) : static_cast<long long>(std::strtoull(begin, &end, 10));
    bool ok = text.GetLength() > 0 && end && *end == 0 && (isSigned || begin[0] != '-') &&
              value >= (isSigned ? INT32_MIN : 0) && value <= (isSigned ? INT32_MAX : UINT32_MAX);
    if (translated) *translated = ok ? TRUE : FALSE;
    return ok ? static_cast<UINT>(value) : 0;
}

void CWnd::CheckDlgButton(int id, UINT check) { SendDlgItemMessage(id, 0x00F1 /* BM_SETCHECK */, check, 0); }
UINT CWnd::IsDlgButtonChecked(int id) const { return static_cast<UINT>(SendDlgItemMessage(id, 0x00F0 /* BM_GETCHECK */, 0, 0)); }

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(::GetDlgItem(m_hWnd, id), message, wParam, lParam);
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type)
{
    return ::MessageBoxA(m_hWnd, text, caption, type);
}

void CWnd::DragAcceptFiles(BOOL accept)
{
    ::DragAcceptFiles(m_hWnd, accept);
}

HICON CWnd::SetIcon(HICON icon, BOOL big)
{
    return reinterpret_cast<HICON>(SendMessage(WM_SETICON, big ? 1 : 0, reinterpret_cast<LPARAM>(icon)));
}

HICON CWnd::GetIcon(BOOL big) const
{
    return reinterpret_cast<HICON>(SendMessage(WM_GETICON, big ? 1 : 0, 0));
}

// ---------------------------------------------------------------- default handlers

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
BOOL CWnd::OnDeviceChange(UINT, DWORD_PTR) { return static_cast<BOOL>(Default()); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
void CWnd::OnDropFiles(HDROP drop)
{
    Default();
    ::DragFinish(drop);
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* wnd, UINT)
{
    // The control may answer for itself (ON_WM_CTLCOLOR_REFLECT).
    LRESULT result = 0;
    if (wnd && ReflectLastMsg(wnd->m_hWnd, &result)) return reinterpret_cast<HBRUSH>(result);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, DRAWITEMSTRUCT* item)
{
    if (item && item->CtlType != ODT_MENU && ReflectLastMsg(item->hwndItem)) return;
    Default();
}

void CWnd::OnMeasureItem(int, MEASUREITEMSTRUCT* item)
{
    if (item && item->CtlType != ODT_MENU && ReflectLastMsg(::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID)))) return;
    Default();
}
