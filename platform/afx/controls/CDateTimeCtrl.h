#pragma once
// The date and time picker of the class library.
#include "afx/windows/CWnd.h"

class CDateTimeCtrl : public CWnd {
public:
    CDateTimeCtrl() = default;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // GDT_VALID with the moment filled in.
    DWORD GetTime(SYSTEMTIME* time) const;
    BOOL SetTime(const SYSTEMTIME* time);
};
