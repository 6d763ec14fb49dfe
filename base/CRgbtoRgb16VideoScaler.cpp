#include "CRgbtoRgb16VideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CRgbtoRgb16VideoScaler::ColorScaleSelf()
{
    StartPixelMaps();
    ScalerSources::RgbPixels src{{m_xMap, m_yMap}, m_inROffset, m_inGOffset, m_inBOffset};
    ScalerWalk::Rgb16Output(*this, src, GetOutputDataStart(), m_outLineSize, m_outputColor != kColorRgb555, !m_color,
                            false);
}
