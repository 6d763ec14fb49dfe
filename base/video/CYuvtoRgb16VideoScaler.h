#pragma once
// Scales the YUV formats and the luma plane into 16-bit RGB.
#include "CPlaneMapVideoScaler.h"

class CYuvtoRgb16VideoScaler : public CPlaneMapVideoScaler {
public:
    CYuvtoRgb16VideoScaler() : CPlaneMapVideoScaler(false) {}
    void ColorScaleSelf() override;
    void GreyScaleScaleSelf() override;

    virtual void ColorScaleSelfYuvtoRgb555() { ScaleWords(false, false); }
    virtual void ColorScaleSelfYuvtoRgb565() { ScaleWords(true, false); }
    virtual void GreyScaleScaleSelfYuvtoRgb555() { ScaleWords(false, true); }
    virtual void GreyScaleScaleSelfYuvtoRgb565() { ScaleWords(true, true); }

private:
    void ScaleWords(bool rgb565, bool grey);
};
