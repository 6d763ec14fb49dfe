#include "CVideoWindowLocator.h"

#include "CAspectRatioInfo2.h"
#include "TListenedReference.h"

#include <cmath>

CVideoWindowLocator::CVideoWindowLocator(const CVideoWindowLocator& other) : CWindowLocator(other), CListener()
{
    SetAspectRatio(other.m_aspectRatio);
}

CVideoWindowLocator& CVideoWindowLocator::operator=(const CVideoWindowLocator& other)
{
    if (this == &other) return *this;
    CWindowLocator::operator=(other);
    RetargetListenedReference(*this, m_aspectRatio, other.m_aspectRatio);
    return *this;
}

CVideoWindowLocator::~CVideoWindowLocator()
{
    RetargetListenedReference<CAspectRatioInfo2>(*this, m_aspectRatio, nullptr);
}

void CVideoWindowLocator::SetAspectRatio(CAspectRatioInfo2* aspectRatio)
{
    if (!RetargetListenedReference(*this, m_aspectRatio, aspectRatio)) return;
    Move();
}

CRect CVideoWindowLocator::Fit(const CRect& area, double aspectRatio)
{
    CRect rect = area;
    // A ratio of no usable shape leaves the area as it is.
    if (!(aspectRatio > 0) || !std::isfinite(aspectRatio)) return rect;
    const int width = rect.Width();
    const int height = rect.Height();
    const double neededWidth = std::floor(aspectRatio * height + 0.5);
    if (neededWidth < width) {
        const int fitted = static_cast<int>(neededWidth);
        rect.left += (width - fitted) / 2;
        rect.right = rect.left + fitted;
    } else {
        const double fittedHeight = std::floor(width / aspectRatio + 0.5);
        const int fitted = fittedHeight > height ? height : static_cast<int>(fittedHeight);
        rect.top += (height - fitted) / 2;
        rect.bottom = rect.top + fitted;
    }
    return rect;
}

void CVideoWindowLocator::MoveWindow(CRect& rect)
{
    CRect placed = m_aspectRatio ? Fit(rect, m_aspectRatio->GetOutput()) : rect;
    CWindowLocator::MoveWindow(placed);
}

bool CVideoWindowLocator::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage && m_aspectRatio && static_cast<const CBroadcaster*>(m_aspectRatio) == p) {
        SetAspectRatio(nullptr);
        return true;
    }
    return CListener::ListenToMessage(message, p, q);
}

bool CVideoWindowLocator::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CAspectRatioInfo2::kOutputChangedNotice) {
        Move();
        return true;
    }
    return CListener::Respond(code, sender, a, b);
}
