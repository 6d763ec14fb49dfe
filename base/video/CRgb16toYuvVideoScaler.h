#pragma once
// Scales 16-bit RGB into the YUV formats and the luma outputs.
#include "CSmallPixelToYuvVideoScaler.h"

class CRgb16toYuvVideoScaler : public CSmallPixelToYuvVideoScaler {
protected:
    void ScaleLayout(EYuvLayout layout, bool grey) override;
};
