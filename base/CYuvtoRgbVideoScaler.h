#pragma once
// Scales the YUV formats and the luma plane into 24- and 32-bit RGB and the channel subsets.
#include "CPlaneMapVideoScaler.h"

class CYuvtoRgbVideoScaler : public CPlaneMapVideoScaler {
public:
    CYuvtoRgbVideoScaler() : CPlaneMapVideoScaler(false) {}
    void ColorScaleSelf() override;
    // Input 1000: the expanded grey into R, G and B.
    void ScaleSelfYtoRgb();
};
