#include "CPixelToRgb16VideoScaler.h"

void CPixelToRgb16VideoScaler::ColorScaleSelf()
{
    if (m_outputColor == kColorRgb555)
        ColorScaleSelfRgbtoRgb555();
    else
        ColorScaleSelfRgbtoRgb565();
}

void CPixelToRgb16VideoScaler::GreyScaleScaleSelf()
{
    if (m_outputColor == kColorRgb555)
        GreyScaleSelfRgbtoRgb555();
    else
        GreyScaleSelfRgbtoRgb565();
}
