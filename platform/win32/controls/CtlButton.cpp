#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlBusy.h"
#include "win32/controls/CtlMessages.h"

CtlButton::CtlButton(DWORD style) : CtlModel(style) {}

DWORD CtlButton::Type() const
{
    return Style() & BS_TYPEMASK;
}

void CtlButton::SetPushed(bool on)
{
    if (m_pushed == on) return;
    m_pushed = on;
    Changed();
}

void CtlButton::SetCheck(int check)
{
    DWORD type = Type();
    bool checkable = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                     type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
    if (!checkable) return;
    bool threeState = type == BS_3STATE || type == BS_AUTO3STATE;
    if (check == BST_INDETERMINATE && !threeState) check = BST_CHECKED;
    if (check != BST_CHECKED && check != BST_INDETERMINATE) check = BST_UNCHECKED;
    if (m_check == check) return;
    m_check = check;
    Changed();
}

void CtlButton::Click()
{
    switch (Type()) {
    case BS_GROUPBOX:
        return;
    case BS_AUTOCHECKBOX:
        SetCheck(m_check ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTO3STATE:
        SetCheck((m_check + 1) % 3);
        break;
    case BS_AUTORADIOBUTTON:
        SetCheck(BST_CHECKED);
        if (Host()) Host()->UncheckRadioSiblings();
        break;
    default:
        break;
    }
    Command(BN_CLICKED);
}

void CtlButton::UserClick()
{
    CtlBusy busy;
    if (!IsEnabled() || Type() == BS_GROUPBOX) return;
    if (Host()) Host()->TakeFocus();
    SetPushed(true);
    SetPushed(false);
    Click();
}

void CtlButton::DrawItem(HDC dc)
{
    if (Type() != BS_OWNERDRAW) return;
    DrawOwnerItem(ODT_BUTTON, 0, (m_pushed ? ODS_SELECTED : 0) | (m_focus ? ODS_FOCUS : 0), dc,
                  Host() ? Host()->ClientRect() : RECT{});
}

LRESULT CtlButton::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    switch (message) {
    case BM_GETCHECK:
        return m_check;
    case BM_SETCHECK:
        SetCheck(static_cast<int>(wParam));
        return 0;
    case BM_GETSTATE:
        return m_check | (m_pushed ? BST_PUSHED : 0) | (m_focus ? BST_FOCUS : 0);
    case BM_SETSTATE:
        SetPushed(wParam != 0);
        return 0;
    case BM_SETSTYLE:
        SetStyle((Style() & ~0xFFFFu) | LOWORD(wParam));
        if (Host()) Host()->StyleChanged(Style());
        Changed();
        return 0;
    case BM_CLICK:
        UserClick();
        return 0;
    case BM_GETIMAGE:
        return reinterpret_cast<LRESULT>(Image(static_cast<int>(wParam)));
    case BM_SETIMAGE: {
        HANDLE& slot = wParam == IMAGE_BITMAP ? m_bitmap : m_icon;
        HANDLE old = slot;
        slot = reinterpret_cast<HANDLE>(lParam);
        Changed();
        return reinterpret_cast<LRESULT>(old);
    }
    case WM_GETDLGCODE: {
        DWORD type = Type();
        if (type == BS_GROUPBOX) return DLGC_STATIC;
        if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) return DLGC_BUTTON | DLGC_RADIOBUTTON;
        if (type == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        if (type == BS_PUSHBUTTON || type == BS_OWNERDRAW) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        return DLGC_BUTTON;
    }
    case WM_LBUTTONDBLCLK:
        if (Type() == BS_RADIOBUTTON || Type() == BS_AUTORADIOBUTTON || Type() == BS_OWNERDRAW || (Style() & BS_NOTIFY))
            Command(BN_DOUBLECLICKED);
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        if (Type() == BS_GROUPBOX) return 0;
        if (Host()) {
            Host()->TakeFocus();
            Host()->SetCapture(true);
        }
        m_tracking = true;
        SetPushed(true);
        return 0;
    case WM_MOUSEMOVE:
        if (m_tracking) {
            RECT r = Host() ? Host()->ClientRect() : RECT{};
            POINT p = PointOf(lParam);
            SetPushed(p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom);
        }
        return 0;
    case WM_LBUTTONUP: {
        if (!m_tracking) return 0;
        m_tracking = false;
        bool inside = m_pushed;
        SetPushed(false);
        if (Host()) Host()->SetCapture(false);
        if (inside) Click();
        return 0;
    }
    case WM_CAPTURECHANGED:
        m_tracking = false;
        SetPushed(false);
        return 0;
    case WM_KEYDOWN:
        if (wParam != VK_SPACE) break;
        SetPushed(true);
        return 0;
    case WM_KEYUP:
        if (wParam != VK_SPACE) break;
        if (m_pushed) {
            SetPushed(false);
            Click();
        }
        return 0;
    case WM_SETFOCUS:
        m_focus = true;
        Changed();
        if (Style() & BS_NOTIFY) Command(BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        m_focus = false;
        m_pushed = false;
        Changed();
        if (Style() & BS_NOTIFY) Command(BN_KILLFOCUS);
        return 0;
    default:
        break;
    }
    handled = false;
    return 0;
}
