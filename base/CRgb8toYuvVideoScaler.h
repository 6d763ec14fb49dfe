#pragma once
// Scales palettised 8-bit frames into the YUV formats and the luma outputs.
#include "CPixelChromaMapVideoScaler.h"

class CRgb8toYuvVideoScaler : public CPixelChromaMapVideoScaler {
public:
    CRgb8toYuvVideoScaler();

    void ColorScaleSelf() override;
    void SetPalette(BYTE r, BYTE g, BYTE b, BYTE index) override;

private:
    BYTE m_y[256];
    BYTE m_u[256];
    BYTE m_v[256];
};
