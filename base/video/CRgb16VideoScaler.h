#pragma once
// Scales 16-bit RGB into 16-bit RGB, converting between 5-5-5 and 5-6-5.
#include "CPixelMapVideoScaler.h"

class CRgb16VideoScaler : public CPixelMapVideoScaler {
public:
    void ColorScaleSelf() override;
    void GreyScaleScaleSelf() override;

    virtual void ColorScaleSelfRgb16Copy();
    virtual void ColorScaleSelfRgb555toRgb565();
    virtual void ColorScaleSelfRgb565toRgb555();
    // The name gives the output layout; the input word is read with its own format's masks.
    virtual void GreyScaleSelfRgb555toRgb565() { ScaleGrey(true); }
    virtual void GreyScaleSelfRgb565toRgb555() { ScaleGrey(false); }

private:
    void ScaleGrey(bool rgb565);
};
