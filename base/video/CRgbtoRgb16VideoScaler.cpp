#include "CRgbtoRgb16VideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CRgbtoRgb16VideoScaler::ScaleWords(bool rgb565, bool grey)
{
    StartPixelMaps();
    ScalerSources::RgbPixels src{{m_xMap, m_yMap}, m_inROffset, m_inGOffset, m_inBOffset};
    ScalerWalk::Rgb16Output(*this, src, GetOutputDataStart(), m_outLineSize, rgb565, grey, false);
}
