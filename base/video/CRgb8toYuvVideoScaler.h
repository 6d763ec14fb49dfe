#pragma once
// Scales palettised 8-bit frames into the YUV formats and the luma outputs.
#include "CSmallPixelToYuvVideoScaler.h"

class CRgb8toYuvVideoScaler : public CSmallPixelToYuvVideoScaler {
public:
    CRgb8toYuvVideoScaler();

    void SetPalette(BYTE r, BYTE g, BYTE b, BYTE index) override;

protected:
    void ScaleLayout(EYuvLayout layout, bool grey) override;

private:
    BYTE m_y[256];
    BYTE m_u[256];
    BYTE m_v[256];
};
