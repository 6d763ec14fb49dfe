#pragma once
// Message-map entries of a window's frame (non-client area): its size and painting, its
// hit test, and the pointer over it (the hit-test code and the screen point).
#include "afx/windows/MessageMap.h"
#include "win32/windowing/NonClient.h"

namespace mvafx {
template <auto P> bool NcCalcSize(CCmdTarget* t, MvMsgCall& c)
{
    (Obj<P>(t)->*P)(static_cast<BOOL>(c.wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(c.lParam));
    *c.result = 0;
    return true;
}
template <auto P> bool NcHitTest(CCmdTarget* t, MvMsgCall& c)
{
    *c.result = static_cast<LRESULT>((Obj<P>(t)->*P)(PointOf(c.lParam)));
    return true;
}
} // namespace mvafx

#define ON_WM_NCCALCSIZE() MV_ENTRY(WM_NCCALCSIZE, 0, 0, 0, NcCalcSize, OnNcCalcSize)
#define ON_WM_NCPAINT() MV_ENTRY(WM_NCPAINT, 0, 0, 0, Void, OnNcPaint)
#define ON_WM_NCHITTEST() MV_ENTRY(WM_NCHITTEST, 0, 0, 0, NcHitTest, OnNcHitTest)
#define ON_WM_NCLBUTTONDOWN() MV_ENTRY(WM_NCLBUTTONDOWN, 0, 0, 0, Mouse, OnNcLButtonDown)
#define ON_WM_NCLBUTTONDBLCLK() MV_ENTRY(WM_NCLBUTTONDBLCLK, 0, 0, 0, Mouse, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() MV_ENTRY(WM_NCRBUTTONDOWN, 0, 0, 0, Mouse, OnNcRButtonDown)
