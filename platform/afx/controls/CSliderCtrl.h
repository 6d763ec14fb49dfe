#pragma once
// The trackbar control of the class library.
#include "afx/windows/CWnd.h"

class CSliderCtrl : public CWnd {
    DECLARE_DYNAMIC(CSliderCtrl)
public:
    CSliderCtrl() = default;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int GetPos() const;
    void SetPos(int pos);
    void GetRange(int& min, int& max) const;
    int GetRangeMin() const;
    int GetRangeMax() const;
    void SetRange(int min, int max, BOOL redraw = FALSE);
    void SetRangeMin(int min, BOOL redraw = FALSE);
    void SetRangeMax(int max, BOOL redraw = FALSE);
    int GetLineSize() const;
    int SetLineSize(int size);
    int GetPageSize() const;
    int SetPageSize(int size);
    void SetTicFreq(int frequency);
    BOOL SetTic(int pos);
    void ClearTics(BOOL redraw = FALSE);
    UINT GetNumTics() const;
    void SetSelection(int min, int max);
    void GetSelection(int& min, int& max) const;
    void ClearSel(BOOL redraw = FALSE);
};
