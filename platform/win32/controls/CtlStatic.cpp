#include "win32/controls/CtlStatic.h"
#include "win32/controls/CtlMessages.h"
#include "win32/fonts/Font.h"
#include "win32/gdi/Gdi.h"
#include "win32/windowing/Window.h"

LRESULT CtlStatic::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    switch (message) {
    case STM_SETICON:
    case STM_SETIMAGE: {
        HANDLE old = m_image;
        m_image = reinterpret_cast<HANDLE>(message == STM_SETICON ? static_cast<LPARAM>(wParam) : lParam);
        Changed();
        return reinterpret_cast<LRESULT>(old);
    }
    case STM_GETICON:
    case STM_GETIMAGE:
        return reinterpret_cast<LRESULT>(m_image);
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_LBUTTONDOWN:
        if (Style() & SS_NOTIFY) Command(STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (Style() & SS_NOTIFY) Command(STN_DBLCLK);
        return 0;
    default:
        handled = false;
        return 0;
    }
}

void CtlStatic::Paint(HDC dc)
{
    DWORD type = Style() & SS_TYPEMASK;
    if (type == SS_OWNERDRAW) {
        DrawItem(dc);
        return;
    }
    bool showsText = type <= SS_RIGHT || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP;
    if (!dc || !showsText) return;
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    auto brush = reinterpret_cast<HBRUSH>(ToParent(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Window())));
    m_painted = Colors{GetTextColor(dc), GetBkColor(dc), brush};
    RECT r = Host() ? Host()->ClientRect() : RECT{};
    FillRect(dc, &r, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    char text[1024] = {};
    if (Window()) GetWindowTextA(Window(), text, sizeof text);
    UINT format = type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
    if (type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP) format |= DT_SINGLELINE; else format |= DT_WORDBREAK;
    if (Style() & SS_NOPREFIX) format |= DT_NOPREFIX;
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text, -1, &r, format);
}

void CtlStatic::DrawItem(HDC dc)
{
    if ((Style() & SS_TYPEMASK) != SS_OWNERDRAW) return;
    DrawOwnerItem(ODT_STATIC, 0, 0, dc, Host() ? Host()->ClientRect() : RECT{});
}
