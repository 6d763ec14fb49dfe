#include "win32/CtlStatic.h"
#include "win32/CtlMessages.h"

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

void CtlStatic::DrawItem(HDC dc)
{
    if ((Style() & SS_TYPEMASK) != SS_OWNERDRAW) return;
    DrawOwnerItem(ODT_STATIC, 0, 0, dc, Host() ? Host()->ClientRect() : RECT{});
}
