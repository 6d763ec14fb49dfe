#include "CRgbtoYuvVideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CRgbtoYuvVideoScaler::ScaleLayout(EYuvLayout layout, bool grey)
{
    StartChromaMaps();
    using Pixels = ScalerSources::RgbPixels;
    ScalerSources::RgbToYuv<Pixels> src{Pixels{{m_xMap, m_yMap}, m_inROffset, m_inGOffset, m_inBOffset},
                                        Pixels{{m_cxMap, m_cyMap}, m_inROffset, m_inGOffset, m_inBOffset}};
    ScalerWalk::WalkYuv(*this, src, OutputYuvTarget(true, 0, grey), layout);
}
