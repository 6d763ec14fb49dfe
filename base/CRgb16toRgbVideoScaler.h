#pragma once
// Scales 16-bit RGB into 24- and 32-bit RGB and the channel subsets.
#include "CPixelMapVideoScaler.h"

class CRgb16toRgbVideoScaler : public CPixelMapVideoScaler {
public:
    void ColorScaleSelf() override;
};
