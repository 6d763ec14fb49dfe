#include "CPlainFrame.h"

IMPLEMENT_DYNCREATE(CPlainFrame, CFrameWnd)

BOOL CPlainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
    cs.style = (cs.style | WS_CLIPCHILDREN) & ~WS_BORDER;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}
