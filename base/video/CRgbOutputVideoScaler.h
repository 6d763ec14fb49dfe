#pragma once
// Base of the scalers that read packed RGB pixels into 24- and 32-bit RGB outputs and the
// channel subsets: the per-subset operations, dispatched on the output format.
#include "CPixelMapVideoScaler.h"

class CRgbOutputVideoScaler : public CPixelMapVideoScaler {
public:
    void ColorScaleSelf() override;
    void GreyScaleScaleSelf() override;

    virtual void ColorScaleSelfRgb();
    virtual void ColorScaleSelfR();
    virtual void ColorScaleSelfGB();
    virtual void ColorScaleSelfRg();
    virtual void ColorScaleSelfBg();
    virtual void ColorScaleSelfRb();
    virtual void ColorScaleSelfGb();
    virtual void GreyScaleSelfRgb();
    virtual void GreyScaleSelfR();
    virtual void GreyScaleSelfGB();
    virtual void GreyScaleSelfRg();
    virtual void GreyScaleSelfBg();
    virtual void GreyScaleSelfRb();
    virtual void GreyScaleSelfGb();

protected:
    // Writes one channel subset (a ScalerWalk::Channels value) in colour or grey.
    virtual void ScaleChannels(int channels, bool grey) = 0;
};
