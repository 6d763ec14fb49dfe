#include "afx/controls/CSliderCtrl.h"
#include "win32/controls/CommCtrl.h"

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

BOOL CSliderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(TRACKBAR_CLASS, nullptr, style, rect, parent, id);
}

int CSliderCtrl::GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
void CSliderCtrl::SetPos(int pos) { SendMessage(TBM_SETPOS, TRUE, pos); }

void CSliderCtrl::GetRange(int& min, int& max) const
{
    min = GetRangeMin();
    max = GetRangeMax();
}

int CSliderCtrl::GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }
int CSliderCtrl::GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }

void CSliderCtrl::SetRange(int min, int max, BOOL redraw)
{
    SendMessage(TBM_SETRANGEMIN, FALSE, min);
    SendMessage(TBM_SETRANGEMAX, static_cast<WPARAM>(redraw), max);
}

void CSliderCtrl::SetRangeMin(int min, BOOL redraw) { SendMessage(TBM_SETRANGEMIN, static_cast<WPARAM>(redraw), min); }
void CSliderCtrl::SetRangeMax(int max, BOOL redraw) { SendMessage(TBM_SETRANGEMAX, static_cast<WPARAM>(redraw), max); }
int CSliderCtrl::GetLineSize() const { return static_cast<int>(SendMessage(TBM_GETLINESIZE)); }
int CSliderCtrl::SetLineSize(int size) { return static_cast<int>(SendMessage(TBM_SETLINESIZE, 0, size)); }
int CSliderCtrl::GetPageSize() const { return static_cast<int>(SendMessage(TBM_GETPAGESIZE)); }
int CSliderCtrl::SetPageSize(int size) { return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, size)); }
void CSliderCtrl::SetTicFreq(int frequency) { SendMessage(TBM_SETTICFREQ, static_cast<WPARAM>(frequency)); }
BOOL CSliderCtrl::SetTic(int pos) { return static_cast<BOOL>(SendMessage(TBM_SETTIC, 0, pos)); }
void CSliderCtrl::ClearTics(BOOL redraw) { SendMessage(TBM_CLEARTICS, static_cast<WPARAM>(redraw)); }
UINT CSliderCtrl::GetNumTics() const { return static_cast<UINT>(SendMessage(TBM_GETNUMTICS)); }

void CSliderCtrl::SetSelection(int min, int max)
{
    SendMessage(TBM_SETSELSTART, FALSE, min);
    SendMessage(TBM_SETSELEND, TRUE, max);
}

void CSliderCtrl::GetSelection(int& min, int& max) const
{
    min = static_cast<int>(SendMessage(TBM_GETSELSTART));
    max = static_cast<int>(SendMessage(TBM_GETSELEND));
}

void CSliderCtrl::ClearSel(BOOL redraw) { SendMessage(TBM_CLEARSEL, static_cast<WPARAM>(redraw)); }
