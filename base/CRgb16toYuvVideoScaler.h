#pragma once
// Scales 16-bit RGB into the YUV formats and the luma outputs.
#include "CPixelChromaMapVideoScaler.h"

class CRgb16toYuvVideoScaler : public CPixelChromaMapVideoScaler {
public:
    void ColorScaleSelf() override;
};
