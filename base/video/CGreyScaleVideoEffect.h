#pragma once
// Finds the luma of a YUV frame; the effects that work on luma derive from it.
#include "CVideoEffect.h"

class CGreyScaleVideoEffect : public CVideoEffect {
public:
    void InitializeSelf() override;

protected:
    unsigned short m_lumaBytePerPixel = 0;
    int m_lumaLineSize = 0;
    BYTE m_lumaOffset = 0;
};
