#include "afx/controls/CProgressCtrl.h"
#include "win32/controls/CommCtrl.h"

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

BOOL CProgressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(PROGRESS_CLASS, nullptr, style, rect, parent, id);
}

void CProgressCtrl::SetRange(short low, short high) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(low, high)); }
void CProgressCtrl::SetRange32(int low, int high) { SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(low), high); }

void CProgressCtrl::GetRange(int& low, int& high) const
{
    PBRANGE range{};
    SendMessage(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    low = range.iLow;
    high = range.iHigh;
}

int CProgressCtrl::GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
int CProgressCtrl::SetPos(int pos) { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(pos))); }
int CProgressCtrl::OffsetPos(int delta) { return static_cast<int>(SendMessage(PBM_DELTAPOS, static_cast<WPARAM>(delta))); }
int CProgressCtrl::SetStep(int step) { return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(step))); }
int CProgressCtrl::StepIt() { return static_cast<int>(SendMessage(PBM_STEPIT)); }
COLORREF CProgressCtrl::SetBarColor(COLORREF colour) { return static_cast<COLORREF>(SendMessage(PBM_SETBARCOLOR, 0, colour)); }
COLORREF CProgressCtrl::SetBkColor(COLORREF colour) { return static_cast<COLORREF>(SendMessage(PBM_SETBKCOLOR, 0, colour)); }
