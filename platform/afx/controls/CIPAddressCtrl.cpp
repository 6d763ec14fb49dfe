#include "afx/controls/CIPAddressCtrl.h"
#include "win32/controls/CommCtrl.h"

IMPLEMENT_DYNAMIC(CIPAddressCtrl, CWnd)

BOOL CIPAddressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(WC_IPADDRESS, nullptr, style, rect, parent, id);
}

BOOL CIPAddressCtrl::IsBlank() const { return static_cast<BOOL>(SendMessage(IPM_ISBLANK)); }
void CIPAddressCtrl::ClearAddress() { SendMessage(IPM_CLEARADDRESS); }

int CIPAddressCtrl::GetAddress(BYTE& f0, BYTE& f1, BYTE& f2, BYTE& f3) const
{
    DWORD address = 0;
    int filled = GetAddress(address);
    f0 = static_cast<BYTE>(FIRST_IPADDRESS(address));
    f1 = static_cast<BYTE>(SECOND_IPADDRESS(address));
    f2 = static_cast<BYTE>(THIRD_IPADDRESS(address));
    f3 = static_cast<BYTE>(FOURTH_IPADDRESS(address));
    return filled;
}

int CIPAddressCtrl::GetAddress(DWORD& address) const
{
    return static_cast<int>(SendMessage(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address)));
}

void CIPAddressCtrl::SetAddress(DWORD address) { SendMessage(IPM_SETADDRESS, 0, static_cast<LPARAM>(address)); }
void CIPAddressCtrl::SetAddress(BYTE f0, BYTE f1, BYTE f2, BYTE f3) { SendMessage(IPM_SETADDRESS, 0, MAKEIPADDRESS(f0, f1, f2, f3)); }
void CIPAddressCtrl::SetFieldFocus(WORD field) { SendMessage(IPM_SETFOCUS, field); }
void CIPAddressCtrl::SetFieldRange(int field, BYTE low, BYTE high) { SendMessage(IPM_SETRANGE, static_cast<WPARAM>(field), MAKEIPRANGE(low, high)); }
