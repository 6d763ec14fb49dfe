#pragma once
// Scales the YUV formats and the luma plane into the YUV formats and the luma outputs.
#include "CPlaneMapVideoScaler.h"
#include "TYuvOutputVideoScaler.h"

class CYuvVideoScaler : public TYuvOutputVideoScaler<CPlaneMapVideoScaler, true> {
public:
    CYuvVideoScaler() : TYuvOutputVideoScaler(true) {}

protected:
    void ScaleLayout(EYuvLayout layout, bool grey) override;
};
