#include "CYuvtoRgb16VideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CYuvtoRgb16VideoScaler::ColorScaleSelf()
{
    StartPlaneMaps();
    ScalerSources::YuvPixels src{{m_yxMap, m_yyMap}, {m_uxMap, m_uyMap}, {m_vxMap, m_vyMap}};
    ScalerWalk::Rgb16Output(*this, src, GetOutputDataStart(), m_outLineSize, m_outputColor != kColorRgb555, !m_color,
                            true);
}
