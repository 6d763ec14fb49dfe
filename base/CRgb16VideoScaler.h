#pragma once
// Scales 16-bit RGB into 16-bit RGB, converting between 5-5-5 and 5-6-5.
#include "CPixelMapVideoScaler.h"

class CRgb16VideoScaler : public CPixelMapVideoScaler {
public:
    void ColorScaleSelf() override;
    void GreyScaleScaleSelf() override;
};
