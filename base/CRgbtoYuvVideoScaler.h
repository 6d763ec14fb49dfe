#pragma once
// Scales 24- and 32-bit RGB into the YUV formats and the luma outputs.
#include "CPixelChromaMapVideoScaler.h"

class CRgbtoYuvVideoScaler : public CPixelChromaMapVideoScaler {
public:
    void ColorScaleSelf() override;
};
