#include "afx/controls/CDateTimeCtrl.h"

#include "win32/controls/CtlDateTime.h"

BOOL CDateTimeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(DATETIMEPICK_CLASS, nullptr, style, rect, parent, id);
}

DWORD CDateTimeCtrl::GetTime(SYSTEMTIME* time) const
{
    return static_cast<DWORD>(SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(time)));
}

BOOL CDateTimeCtrl::SetTime(const SYSTEMTIME* time)
{
    return static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(time)));
}
