#pragma once
// Scales palettised 8-bit frames into 16-bit RGB through precomputed words.
#include "CPixelMapVideoScaler.h"

class CRgb8toRgb16VideoScaler : public CPixelMapVideoScaler {
public:
    void ColorScaleSelf() override;
    void SetPalette(BYTE r, BYTE g, BYTE b, BYTE index) override;

private:
    unsigned short m_colour565[256] = {};
    unsigned short m_colour555[256] = {};
    unsigned short m_grey565[256] = {};
    unsigned short m_grey555[256] = {};
};
