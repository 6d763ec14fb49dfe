#pragma once
// The progress bar control of the class library.
#include "afx/windows/CWnd.h"

class CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl() = default;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    void SetRange(short low, short high);
    void SetRange32(int low, int high);
    void GetRange(int& low, int& high) const;
    int GetPos() const;
    int SetPos(int pos);
    int OffsetPos(int delta);
    int SetStep(int step);
    int StepIt();
    COLORREF SetBarColor(COLORREF colour);
    COLORREF SetBkColor(COLORREF colour);
};
