#include "afx/controls/CToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {

TOOLINFO Info(CWnd* window, UINT_PTR id)
{
    TOOLINFO info{};
    info.cbSize = sizeof info;
    info.hwnd = window ? window->m_hWnd : nullptr;
    info.uId = id;
    return info;
}

} // namespace

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    InitCommonControls();
    return CWnd::CreateEx(0, TOOLTIPS_CLASS, nullptr, WS_POPUP | style, 0, 0, 0, 0, parent ? parent->m_hWnd : nullptr,
                          nullptr, nullptr);
}

void CToolTipCtrl::Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(activate)); }

BOOL CToolTipCtrl::AddTool(CWnd* window, LPCTSTR text, LPCRECT rect, UINT_PTR id)
{
    if (!window) return FALSE;
    TOOLINFO info = Info(window, id);
    info.lpszText = const_cast<LPSTR>(text);
    if (rect)
        info.rect = *rect;
    else
        ::GetClientRect(window->m_hWnd, &info.rect);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::DelTool(CWnd* window, UINT_PTR id)
{
    TOOLINFO info = Info(window, id);
    SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* window, UINT_PTR id)
{
    TOOLINFO info = Info(window, id);
    info.lpszText = const_cast<LPSTR>(text);
    SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::GetText(CString& text, CWnd* window, UINT_PTR id) const
{
    char buffer[1024] = {};
    TOOLINFO info = Info(window, id);
    info.lpszText = buffer;
    SendMessage(TTM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(&info));
    text = buffer;
}

void CToolTipCtrl::SetToolRect(CWnd* window, UINT_PTR id, LPCRECT rect)
{
    if (!rect) return;
    TOOLINFO info = Info(window, id);
    info.rect = *rect;
    SendMessage(TTM_NEWTOOLRECT, 0, reinterpret_cast<LPARAM>(&info));
}

int CToolTipCtrl::GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
int CToolTipCtrl::SetMaxTipWidth(int width) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width)); }
void CToolTipCtrl::SetDelayTime(UINT delay) { SendMessage(TTM_SETDELAYTIME, 0, MAKELPARAM(delay, 0)); }
void CToolTipCtrl::RelayEvent(LPMSG msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
void CToolTipCtrl::Pop() { SendMessage(TTM_POP); }
