#pragma once
// Base of the scalers from packed RGB pixels (24/32-bit or palettised) into 16-bit RGB: the
// operations per output layout, colour and grey.
#include "CPixelMapVideoScaler.h"

class CPixelToRgb16VideoScaler : public CPixelMapVideoScaler {
public:
    void ColorScaleSelf() override;
    void GreyScaleScaleSelf() override;

    virtual void ColorScaleSelfRgbtoRgb555() { ScaleWords(false, false); }
    virtual void ColorScaleSelfRgbtoRgb565() { ScaleWords(true, false); }
    virtual void GreyScaleSelfRgbtoRgb555() { ScaleWords(false, true); }
    virtual void GreyScaleSelfRgbtoRgb565() { ScaleWords(true, true); }

protected:
    virtual void ScaleWords(bool rgb565, bool grey) = 0;
};
