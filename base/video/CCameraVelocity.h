#pragma once
// A virtual camera window over the input whose edges move towards a target with smoothed speed.
#include "CArea.h"

class CCameraVelocity : public CArea {
public:
    void SetOriginalWidth(unsigned short w);
    void SetOriginalHeight(unsigned short h);
    unsigned short GetOriginalWidth() const { return m_originalWidth; }
    unsigned short GetOriginalHeight() const { return m_originalHeight; }
    int GetRight() const { return GetLeft() + GetWidth() - 1; }
    int GetBottom() const { return GetTop() + GetHeight() - 1; }

    int MoveX1(int target) { return GetLeft() + Accelerate(m_leftSpeed, target - GetLeft()); }
    int MoveY1(int target) { return GetTop() + Accelerate(m_topSpeed, target - GetTop()); }
    int MoveX2(int target) { return GetRight() + Accelerate(m_rightSpeed, target - GetRight()); }
    int MoveY2(int target) { return GetBottom() + Accelerate(m_bottomSpeed, target - GetBottom()); }
    void ZoomTo(unsigned short& x1, unsigned short& x2, unsigned short& y1, unsigned short& y2);

private:
    // New speed from the distance still to go; arithmetic shift in 16 bits.
    static int Accelerate(short& speed, int distance);

    unsigned short m_originalWidth = 0;
    unsigned short m_originalHeight = 0;
    short m_leftSpeed = 0, m_topSpeed = 0, m_rightSpeed = 0, m_bottomSpeed = 0;
};
