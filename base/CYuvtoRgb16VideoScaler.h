#pragma once
// Scales the YUV formats and the luma plane into 16-bit RGB.
#include "CPlaneMapVideoScaler.h"

class CYuvtoRgb16VideoScaler : public CPlaneMapVideoScaler {
public:
    CYuvtoRgb16VideoScaler() : CPlaneMapVideoScaler(false) {}
    void ColorScaleSelf() override;
};
