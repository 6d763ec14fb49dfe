#pragma once
// Scales 24- and 32-bit RGB into 24- and 32-bit RGB and the channel subsets.
#include "CPixelMapVideoScaler.h"

class CRgbVideoScaler : public CPixelMapVideoScaler {
public:
    void ColorScaleSelf() override;
};
