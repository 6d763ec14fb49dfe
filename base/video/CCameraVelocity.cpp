#include "CCameraVelocity.h"

#include <algorithm>

void CCameraVelocity::SetOriginalWidth(unsigned short w)
{
    m_originalWidth = w;
    SetWidth(w);
}

void CCameraVelocity::SetOriginalHeight(unsigned short h)
{
    m_originalHeight = h;
    SetHeight(h);
}

int CCameraVelocity::Accelerate(short& speed, int distance)
{
    speed = static_cast<short>(speed + static_cast<short>((distance - 8 * speed) >> 5));
    return speed;
}

namespace {

// The low edge stays in the first half of the axis, the high edge in the second.
void ClampEdges(int low, int high, unsigned short length, unsigned short& first, unsigned short& last)
{
    const int half = length / 2;
    first = static_cast<unsigned short>(std::clamp(low, 0, std::max(half - 1, 0)));
    last = static_cast<unsigned short>(std::max(std::min(high, length - 1), half));
}

}  // namespace

void CCameraVelocity::ZoomTo(unsigned short& x1, unsigned short& x2, unsigned short& y1, unsigned short& y2)
{
    const int left = MoveX1(x1), top = MoveY1(y1), right = MoveX2(x2), bottom = MoveY2(y2);
    ClampEdges(left, right, m_originalWidth, x1, x2);
    ClampEdges(top, bottom, m_originalHeight, y1, y2);
    SetLeft(x1);
    SetTop(y1);
    SetWidth(static_cast<unsigned short>(x2 - x1 + 1));
    SetHeight(static_cast<unsigned short>(y2 - y1 + 1));
}
