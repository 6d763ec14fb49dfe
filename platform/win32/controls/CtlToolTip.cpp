#include "win32/controls/CtlToolTip.h"
#include "win32/CtlText.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <algorithm>
#include <cstring>

int CtlToolTip::Find(HWND hwnd, UINT_PTR id) const
{
    for (size_t i = 0; i < m_tools.size(); ++i)
        if (m_tools[i].hwnd == hwnd && m_tools[i].id == id) return static_cast<int>(i);
    return -1;
}

std::string CtlToolTip::ShownText()
{
    if (m_shown < 0 || m_shown >= static_cast<int>(m_tools.size())) return {};
    Tool& tool = m_tools[static_cast<size_t>(m_shown)];
    if (!tool.callback) return tool.text;
    // The tool's window supplies the text.
    NMTTDISPINFO info{};
    info.hdr.hwndFrom = Window();
    info.hdr.idFrom = tool.id;
    info.hdr.code = TTN_GETDISPINFO;
    info.uFlags = tool.flags;
    info.lParam = tool.param;
    HWND target = (tool.flags & TTF_IDISHWND) ? GetParent(reinterpret_cast<HWND>(tool.id)) : tool.hwnd;
    if (target) SendMessageA(target, WM_NOTIFY, tool.id, reinterpret_cast<LPARAM>(&info));
    if (info.lpszText) return std::string(info.lpszText, strnlen(info.lpszText, 4096));
    return std::string(info.szText, strnlen(info.szText, sizeof info.szText));
}

void CtlToolTip::Relay(const MSG& msg)
{
    if (msg.message != WM_MOUSEMOVE && msg.message != WM_LBUTTONDOWN) return;
    int shown = -1;
    if (m_active && msg.message == WM_MOUSEMOVE) {
        POINT p{static_cast<SHORT>(LOWORD(msg.lParam)), static_cast<SHORT>(HIWORD(msg.lParam))};
        for (size_t i = 0; i < m_tools.size() && shown < 0; ++i) {
            const Tool& tool = m_tools[i];
            bool whole = (tool.flags & TTF_IDISHWND) != 0;
            HWND window = whole ? reinterpret_cast<HWND>(tool.id) : tool.hwnd;
            if (window != msg.hwnd) continue;
            if (whole || (p.x >= tool.rect.left && p.x < tool.rect.right && p.y >= tool.rect.top && p.y < tool.rect.bottom))
                shown = static_cast<int>(i);
        }
    }
    if (shown != m_shown) {
        m_shown = shown;
        Changed();
    }
}

LRESULT CtlToolTip::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    auto* info = reinterpret_cast<TOOLINFO*>(lParam);
    switch (message) {
    case TTM_ACTIVATE:
        m_active = wParam != 0;
        if (!m_active) m_shown = -1;
        Changed();
        return 0;
    case TTM_ADDTOOL: {
        if (!info || Find(info->hwnd, info->uId) >= 0) return FALSE;
        Tool tool;
        tool.flags = info->uFlags;
        tool.hwnd = info->hwnd;
        tool.id = info->uId;
        tool.rect = info->rect;
        tool.callback = info->lpszText == LPSTR_TEXTCALLBACK;
        if (!tool.callback && info->lpszText) tool.text = info->lpszText;
        tool.param = info->lParam;
        m_tools.push_back(tool);
        Changed();
        return TRUE;
    }
    case TTM_DELTOOL: {
        int i = info ? Find(info->hwnd, info->uId) : -1;
        if (i < 0) return 0;
        m_tools.erase(m_tools.begin() + i);
        if (m_shown == i) m_shown = -1;
        else if (m_shown > i) --m_shown;
        Changed();
        return 0;
    }
    case TTM_NEWTOOLRECT: {
        int i = info ? Find(info->hwnd, info->uId) : -1;
        if (i >= 0) m_tools[static_cast<size_t>(i)].rect = info->rect;
        return 0;
    }
    case TTM_UPDATETIPTEXT: {
        int i = info ? Find(info->hwnd, info->uId) : -1;
        if (i < 0) return 0;
        Tool& tool = m_tools[static_cast<size_t>(i)];
        tool.callback = info->lpszText == LPSTR_TEXTCALLBACK;
        tool.text = (!tool.callback && info->lpszText) ? info->lpszText : "";
        Changed();
        return 0;
    }
    case TTM_GETTOOLINFO:
    case TTM_GETTEXT: {
        int i = info ? Find(info->hwnd, info->uId) : -1;
        if (i < 0) return FALSE;
        const Tool& tool = m_tools[static_cast<size_t>(i)];
        if (message == TTM_GETTOOLINFO) {
            info->uFlags = tool.flags;
            info->rect = tool.rect;
            info->lParam = tool.param;
        }
        // The caller's buffer holds 80 characters, or wParam when given.
        if (info->lpszText && info->lpszText != LPSTR_TEXTCALLBACK)
            CtlCopyOut(tool.text, info->lpszText, wParam ? static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFF)) : 80);
        return TRUE;
    }
    case TTM_SETTOOLINFO: {
        int i = info ? Find(info->hwnd, info->uId) : -1;
        if (i < 0) return 0;
        Tool& tool = m_tools[static_cast<size_t>(i)];
        tool.flags = info->uFlags;
        tool.rect = info->rect;
        tool.callback = info->lpszText == LPSTR_TEXTCALLBACK;
        tool.text = (!tool.callback && info->lpszText) ? info->lpszText : "";
        Changed();
        return 0;
    }
    case TTM_GETTOOLCOUNT:
        return static_cast<LRESULT>(m_tools.size());
    case TTM_SETMAXTIPWIDTH: {
        int old = m_maxWidth;
        m_maxWidth = static_cast<int>(lParam);
        return old;
    }
    case TTM_GETMAXTIPWIDTH:
        return m_maxWidth;
    case TTM_SETDELAYTIME:
        m_delay = static_cast<UINT>(LOWORD(lParam));
        return 0;
    case TTM_RELAYEVENT:
        if (lParam) Relay(*reinterpret_cast<const MSG*>(lParam));
        return 0;
    case TTM_POP:
        m_shown = -1;
        Changed();
        return 0;
    default:
        handled = false;
        return 0;
    }
}
