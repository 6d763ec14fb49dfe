#include "CYuvtoRgb16VideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CYuvtoRgb16VideoScaler::ColorScaleSelf()
{
    if (m_outputColor == kColorRgb555)
        ColorScaleSelfYuvtoRgb555();
    else
        ColorScaleSelfYuvtoRgb565();
}

void CYuvtoRgb16VideoScaler::GreyScaleScaleSelf()
{
    if (m_outputColor == kColorRgb555)
        GreyScaleScaleSelfYuvtoRgb555();
    else
        GreyScaleScaleSelfYuvtoRgb565();
}

void CYuvtoRgb16VideoScaler::ScaleWords(bool rgb565, bool grey)
{
    StartPlaneMaps();
    ScalerSources::YuvPixels src{{m_yxMap, m_yyMap}, {m_uxMap, m_uyMap}, {m_vxMap, m_vyMap}};
    ScalerWalk::Rgb16Output(*this, src, GetOutputDataStart(), m_outLineSize, rgb565, grey, true);
}
