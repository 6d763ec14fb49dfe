#pragma once
// Scales palettised 8-bit frames into 16-bit RGB through precomputed words.
#include "CPixelToRgb16VideoScaler.h"

class CRgb8toRgb16VideoScaler : public CPixelToRgb16VideoScaler {
public:
    void SetPalette(BYTE r, BYTE g, BYTE b, BYTE index) override;

protected:
    void ScaleWords(bool rgb565, bool grey) override;

private:
    unsigned short m_colour565[256] = {};
    unsigned short m_colour555[256] = {};
    unsigned short m_grey565[256] = {};
    unsigned short m_grey555[256] = {};
};
