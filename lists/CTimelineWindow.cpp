#include "CTimelineWindow.h"

#include "CDurationNode.h"
#include "UDrawingUtils.h"
#include "UTimecodeUtils.h"
#include "afx/gdi/CDC.h"
#include "afx/windows/MessageMap.h"
#include "win32/windowing/Window.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

BEGIN_MESSAGE_MAP(CTimelineWindow, CObjectNodeWindow)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CTimelineWindow::CTimelineWindow()
{
    mLocator.SetLeft(256);
    mLocator.SetRight(256);
    mLocator.SetTop(0);
    mLocator.SetBottom(256);
}

CTimelineWindow::~CTimelineWindow()
{
    mThumb.RemoveListener(this);
}

CObjectDisplay* CTimelineWindow::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CDurationNode(this) : nullptr;
}

bool CTimelineWindow::ListenToMessage(long message, const void* p, const void* q)
{
    switch (message) {
    case kThumbPressedMessage: StartDragging(); return true;
    case kThumbDraggedMessage: Dragging(); return true;
    case kThumbReleasedMessage: StopDragging(); return true;
    }
    return CObjectNodeWindow::ListenToMessage(message, p, q);
}

void CTimelineWindow::Initialize()
{
    if (!m_hWnd)
        return;
    mThumb.Create(this);
    mThumb.ShowWindow(SW_SHOW);
    mThumb.AddListener(this);
    CRect client;
    GetClientRect(&client);
    CRect text(client.right - 140, GetYOrigin() + kBarHeight + 1, client.right, client.bottom - 1);
    mTimeText.Create("", WS_CHILD | SS_RIGHT, text, this, kTimeTextId);
    mTimeText.SetFont(UDrawingUtils::GetSmallFont());
    mLocator.SetWindow(&mTimeText);
    mTimeText.ShowWindow(SW_SHOW);
    ReflectTime();
}

void CTimelineWindow::Deinitialize()
{
    mThumb.RemoveListener(this);
    if (mThumb.GetSafeHwnd())
        mThumb.DestroyWindow();
    if (mTimeText.GetSafeHwnd())
        mTimeText.DestroyWindow();
    mLocator.SetWindow(nullptr);
}

void CTimelineWindow::OnSize(UINT type, int cx, int cy)
{
    CObjectNodeWindow::OnSize(type, cx, cy);
    if (mLocator.GetWindow() && mLocator.GetWindow()->GetSafeHwnd())
        mLocator.Move();
}

void CTimelineWindow::DrawBackground(CDC* dc)
{
    if (!dc || !m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, RGB(255, 255, 255));
    dc->DrawFocusRect(&client);
    CRect bar(GetXOrigin(), GetYOrigin(), client.Width() - GetXOrigin(), GetYOrigin() + kBarHeight);
    bar.InflateRect(1, 1);
    dc->Draw3dRect(&bar, RGB(0x80, 0x80, 0x80), RGB(0xE0, 0xE0, 0xE0));
}

void CTimelineWindow::SetTime(double time, bool notify)
{
    double valid = ValidateTime(time);
    if (valid != mTime)
        SetTimeSelf(valid, notify);
}

void CTimelineWindow::SetTimeSelf(double time, bool notify)
{
    std::string before = UTimecodeUtils::Format(mTime);
    std::string after = UTimecodeUtils::Format(time);
    mTime = time;
    ReflectTime();
    if (before != after)
        Redraw();
    if (notify)
        Broadcast(kTimelineTimeChangedMessage, nullptr, nullptr);
}

void CTimelineWindow::ReflectTime()
{
    if (!mDragging && mThumb.GetSafeHwnd()) {
        int left = static_cast<int>(std::lround(GetPixelPerSecond() * mTime)) + GetXOrigin() - CTimelineThumb::kWidth / 2;
        mThumb.MoveWindow(left, GetYOrigin() - 2, CTimelineThumb::kWidth, CTimelineThumb::kHeight);
    }
    if (mTimeText.GetSafeHwnd()) {
        CString shown;
        mTimeText.GetWindowText(shown);
        CString text = GetTimeText();
        if (std::strcmp(shown, text) != 0)
            mTimeText.SetWindowText(text);
    }
}

void CTimelineWindow::StartDragging()
{
    if (mDragging)
        return;
    mThumb.SetCapture();
    mDragging = true;
    POINT cursor{};
    GetCursorPos(&cursor);
    mDragStart = CPoint(cursor.x, cursor.y);
}

void CTimelineWindow::Dragging()
{
    if (!mDragging)
        return;
    POINT cursor{};
    GetCursorPos(&cursor);
    DragThumb(CPoint(cursor.x, cursor.y));
}

void CTimelineWindow::StopDragging()
{
    if (!mDragging)
        return;
    POINT cursor{};
    GetCursorPos(&cursor);
    DragThumb(CPoint(cursor.x, cursor.y));
    mDragging = false;
    ReleaseCapture();
}

void CTimelineWindow::DragThumb(CPoint screenPoint)
{
    if (!m_hWnd || !mThumb.GetSafeHwnd())
        return;
    POINT point{screenPoint.x, screenPoint.y};
    ScreenToClient(&point);
    CRect client;
    GetClientRect(&client);
    int x = std::max(GetXOrigin(), std::min<int>(point.x, client.Width() - GetXOrigin()));
    mThumb.MoveWindow(x - CTimelineThumb::kWidth / 2, GetYOrigin() - 2, CTimelineThumb::kWidth, CTimelineThumb::kHeight);
    DragTime();
}

void CTimelineWindow::DragTime()
{
    double pixelsPerSecond = GetPixelPerSecond();
    if (pixelsPerSecond == 0 || !mThumb.GetSafeHwnd())
        return;
    CRect thumb;
    mThumb.GetWindowRect(&thumb);
    ScreenToClient(&thumb);
    int centre = thumb.left + CTimelineThumb::kWidth / 2;
    SetTime((centre - GetXOrigin()) / pixelsPerSecond, true);
    Broadcast(kTimelineTimeDraggedMessage, nullptr, nullptr);
}
