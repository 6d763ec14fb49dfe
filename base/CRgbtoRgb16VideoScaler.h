#pragma once
// Scales 24- and 32-bit RGB into 16-bit RGB.
#include "CPixelMapVideoScaler.h"

class CRgbtoRgb16VideoScaler : public CPixelMapVideoScaler {
public:
    void ColorScaleSelf() override;
};
