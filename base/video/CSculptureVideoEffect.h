#pragma once
// Embosses the luma: each pixel becomes a low, middle or high level by comparison with its right
// neighbour.
#include <vector>

#include "CGreyScaleVideoEffect.h"

class CSculptureVideoEffect : public CGreyScaleVideoEffect {
public:
    void SetSensitivity(short threshold) { m_threshold = threshold; }
    void InitializeSelf() override;
    void ApplySelf() override;

protected:
    BYTE m_lowLevel = 16;
    BYTE m_highLevel = 239;
    BYTE m_middleLevel = 192;
    short m_threshold = 16;
    std::vector<BYTE> m_table = std::vector<BYTE>(256 * 256);
};
