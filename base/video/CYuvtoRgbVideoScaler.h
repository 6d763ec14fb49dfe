#pragma once
// Scales the YUV formats and the luma plane into 24- and 32-bit RGB and the channel subsets.
#include "CPlaneMapVideoScaler.h"

class CYuvtoRgbVideoScaler : public CPlaneMapVideoScaler {
public:
    CYuvtoRgbVideoScaler() : CPlaneMapVideoScaler(false) {}
    void ColorScaleSelf() override;
    void GreyScaleScaleSelf() override;

    // Input 1000: the expanded grey into R, G and B, whatever the output.
    virtual void ScaleSelfYtoRgb();
    virtual void ColorScaleSelfYuvtoRgb();
    virtual void ColorScaleSelfYuvtoR();
    virtual void ColorScaleSelfYuvtoGB();
    virtual void ColorScaleSelfYuvtoRg();
    virtual void ColorScaleSelfYuvtoBg();
    virtual void ColorScaleSelfYuvtoRb();
    virtual void ColorScaleSelfYuvtoGb();
    virtual void GreyScaleSelfYuvtoRgb();
    virtual void GreyScaleSelfYuvtoR();
    virtual void GreyScaleSelfYuvtoGB();
    virtual void GreyScaleSelfYuvtoRg();
    virtual void GreyScaleSelfYuvtoBg();
    virtual void GreyScaleSelfYuvtoRb();
    virtual void GreyScaleSelfYuvtoGb();

private:
    void ScaleChannels(int channels, bool grey);
};
