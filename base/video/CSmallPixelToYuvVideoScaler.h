#pragma once
// Base of the scalers from 16-bit and palettised pixels into the YUV and luma outputs: the
// operations per layout, dispatched on the output format. Their luma-into-RGB outputs are written
// in grey mode only, one byte a pixel.
#include "CPixelChromaMapVideoScaler.h"
#include "YuvLayout.h"

class CSmallPixelToYuvVideoScaler : public CPixelChromaMapVideoScaler {
public:
    void ColorScaleSelf() override { Dispatch(false); }
    void GreyScaleScaleSelf() override { Dispatch(true); }

    virtual void ScaleSelfRgb16toY() { ScaleLayout(kYuvLayoutLuma, false); }
    virtual void ColorScaleSelfRgb16toYuv444() { ScaleLayout(kYuvLayout444, false); }
    virtual void ColorScaleSelfRgb16toYuv422() { ScaleLayout(kYuvLayout422, false); }
    virtual void ColorScaleSelfRgb16toYuv420Planar() { ScaleLayout(kYuvLayout420, false); }
    virtual void ColorScaleSelfRgb16toYuv9Planar() {}
    virtual void GreyScaleScaleSelfRgb16toYuv444() { ScaleLayout(kYuvLayout444, true); }
    virtual void GreyScaleScaleSelfRgb16toYuv422() { ScaleLayout(kYuvLayout422, true); }
    virtual void GreyScaleScaleSelfRgb16toYuv420Planar() { ScaleLayout(kYuvLayout420, true); }
    virtual void GreyScaleScaleSelfRgb16toYuv9Planar() {}

protected:
    virtual void ScaleLayout(EYuvLayout layout, bool grey) = 0;

private:
    void Dispatch(bool grey);
};
