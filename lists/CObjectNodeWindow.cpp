#include "CObjectNodeWindow.h"

#include "CDragIndicator.h"
#include "CObjectNode.h"
#include "afx/gdi/CPaintDC.h"
#include "afx/windows/MessageMap.h"

BEGIN_MESSAGE_MAP(CObjectNodeWindow, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CObjectNodeWindow::~CObjectNodeWindow()
{
    delete mIndicator;
    mIndicator = nullptr;
    mDragNode = nullptr;
    SelectAll(false);
    SetObject(nullptr);
}

long CObjectNodeWindow::CreateChildDisplayHandle(CObjectDisplay* display, CPersistObject*, int)
{
    Redraw();
    return reinterpret_cast<long>(display);
}

void CObjectNodeWindow::DisposeChildDisplayHandle(CObjectDisplay* display)
{
    // A node going away mid-drag ends the drag without it.
    if (display && display == mDragNode) {
        delete mIndicator;
        mIndicator = nullptr;
        mDragNode = nullptr;
        if (m_hWnd && GetCapture() == this)
            ReleaseCapture();
    }
    Redraw();
}

long CObjectNodeWindow::GetChildDisplayHandle(CObjectDisplay* display)
{
    return reinterpret_cast<long>(display);
}

void CObjectNodeWindow::DisplayChanged(CObjectDisplay*)
{
    Redraw();
}

CObjectDisplay* CObjectNodeWindow::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CObjectNode(this) : nullptr;
}

void CObjectNodeWindow::Redraw()
{
    if (m_hWnd)
        Invalidate();
}

void CObjectNodeWindow::OnPaint()
{
    CPaintDC dc(this);
    Draw(&dc);
}

void CObjectNodeWindow::Draw(CDC* dc)
{
    DrawBackground(dc);
    DrawDisplays(dc);
}

void CObjectNodeWindow::DrawDisplays(CDC* dc)
{
    double xScale = GetXScale();
    double yScale = GetYScale();
    int xOrigin = GetXOrigin();
    int yOrigin = GetYOrigin();
    for (int i = 0; i < GetChildDisplayCount(); ++i)
        DrawDisplay(dc, GetChildDisplay(i), xScale, yScale, xOrigin, yOrigin);
}

void CObjectNodeWindow::DrawDisplay(CDC* dc, CObjectDisplay* display, double xScale, double yScale, int xOrigin,
                                    int yOrigin)
{
    if (auto* node = dynamic_cast<CObjectNode*>(display))
        node->Draw(dc, xScale, yScale, xOrigin, yOrigin);
}

bool CObjectNodeWindow::DragDisplay(CPoint point, double xScale, double yScale, int xOrigin, int yOrigin)
{
    for (int i = 0; i < GetChildDisplayCount(); ++i) {
        auto* node = dynamic_cast<CObjectNode*>(GetChildDisplay(i));
        if (!node)
            continue;
        if (mvlists::CDragIndicator* indicator = StartDragging(node, point, xScale, yScale, xOrigin, yOrigin)) {
            mDragNode = node;
            mIndicator = indicator;
            SetCapture();
            return true;
        }
    }
    return false;
}

mvlists::CDragIndicator* CObjectNodeWindow::StartDragging(CObjectNode* node, CPoint point, double xScale,
                                                          double yScale, int xOrigin, int yOrigin)
{
    return node ? node->StartDragging(point, xScale, yScale, xOrigin, yOrigin) : nullptr;
}

void CObjectNodeWindow::ProcessDragging(CObjectNode* node, CPoint point, double xScale, double yScale, int xOrigin,
                                        int yOrigin)
{
    if (node && mIndicator)
        node->ProcessDragging(mIndicator, point, xScale, yScale, xOrigin, yOrigin);
}

void CObjectNodeWindow::StopDragging(CObjectNode* node, CPoint point, double xScale, double yScale, int xOrigin,
                                     int yOrigin)
{
    if (!node || !mIndicator)
        return;
    node->StopDragging(mIndicator, point, xScale, yScale, xOrigin, yOrigin);
    node->DragAction(mIndicator, xScale, yScale, xOrigin, yOrigin);
}

void CObjectNodeWindow::OnLButtonDown(UINT flags, CPoint point)
{
    CWnd::OnLButtonDown(flags, point);
    if (!mIndicator)
        DragDisplay(point, GetXScale(), GetYScale(), GetXOrigin(), GetYOrigin());
}

void CObjectNodeWindow::OnMouseMove(UINT flags, CPoint point)
{
    CWnd::OnMouseMove(flags, point);
    if (mIndicator)
        ProcessDragging(mDragNode, point, GetXScale(), GetYScale(), GetXOrigin(), GetYOrigin());
}

void CObjectNodeWindow::OnLButtonUp(UINT flags, CPoint point)
{
    CWnd::OnLButtonUp(flags, point);
    EndDragging(point);
}

void CObjectNodeWindow::EndDragging(CPoint point)
{
    if (!mIndicator)
        return;
    StopDragging(mDragNode, point, GetXScale(), GetYScale(), GetXOrigin(), GetYOrigin());
    delete mIndicator;
    mIndicator = nullptr;
    mDragNode = nullptr;
    ReleaseCapture();
}

void CObjectNodeWindow::OnDestroy()
{
    delete mIndicator;
    mIndicator = nullptr;
    mDragNode = nullptr;
    SelectAll(false);
    SetObject(nullptr);
    CWnd::OnDestroy();
}
