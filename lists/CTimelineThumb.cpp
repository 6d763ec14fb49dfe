#include "CTimelineThumb.h"

#include "afx/gdi/CPaintDC.h"
#include "afx/windows/MessageMap.h"

BEGIN_MESSAGE_MAP(CTimelineThumb, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

BOOL CTimelineThumb::Create(CWnd* parent)
{
    return CWnd::Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, kWidth, kHeight), parent, 0);
}

void CTimelineThumb::OnPaint()
{
    CPaintDC dc(this);
    if (mSkin.GetBitmapId() && mSkin.Load())
        mSkin.TransparentBitBlt(&dc, 0, 0, kWidth, kHeight, &mSkin.GetMemoryDc(), 0, 0);
}

void CTimelineThumb::OnLButtonDown(UINT flags, CPoint point)
{
    CWnd::OnLButtonDown(flags, point);
    Broadcast(kThumbPressedMessage, this, nullptr);
}

void CTimelineThumb::OnMouseMove(UINT flags, CPoint point)
{
    CWnd::OnMouseMove(flags, point);
    if (flags & MK_LBUTTON)
        Broadcast(kThumbDraggedMessage, this, nullptr);
}

void CTimelineThumb::OnLButtonUp(UINT flags, CPoint point)
{
    CWnd::OnLButtonUp(flags, point);
    Broadcast(kThumbReleasedMessage, this, nullptr);
}
