#include "CRgbtoYuvVideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CRgbtoYuvVideoScaler::ColorScaleSelf()
{
    StartChromaMaps();
    using Pixels = ScalerSources::RgbPixels;
    ScalerSources::RgbToYuv<Pixels> src{Pixels{{m_xMap, m_yMap}, m_inROffset, m_inGOffset, m_inBOffset},
                                        Pixels{{m_cxMap, m_cyMap}, m_inROffset, m_inGOffset, m_inBOffset}};
    ScalerWalk::YuvOutput(*this, src, OutputYuvTarget(true, 0), m_outputColor, ScalerWalk::LumaRgbRule::ColourOnly);
}
