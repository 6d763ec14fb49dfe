#pragma once
// The IP address control of the class library.
#include "afx/windows/CWnd.h"

class CIPAddressCtrl : public CWnd {
    DECLARE_DYNAMIC(CIPAddressCtrl)
public:
    CIPAddressCtrl() = default;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    BOOL IsBlank() const;
    void ClearAddress();
    // The number of fields that are not blank.
    int GetAddress(BYTE& f0, BYTE& f1, BYTE& f2, BYTE& f3) const;
    int GetAddress(DWORD& address) const;
    void SetAddress(DWORD address);
    void SetAddress(BYTE f0, BYTE f1, BYTE f2, BYTE f3);
    void SetFieldFocus(WORD field);
    void SetFieldRange(int field, BYTE low, BYTE high);
};
