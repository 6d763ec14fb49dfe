#pragma once
// Scales the YUV formats and the luma plane into the YUV formats and the luma outputs.
#include "CPlaneMapVideoScaler.h"

class CYuvVideoScaler : public CPlaneMapVideoScaler {
public:
    CYuvVideoScaler() : CPlaneMapVideoScaler(true) {}
    void ColorScaleSelf() override;
};
