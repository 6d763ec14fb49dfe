#include "CRgbtoRgb16VideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CRgbtoRgb16VideoScaler::InitializeXMaps()
{
    SetMap(m_xMap, m_inBytePerPixel, m_inputWidth, m_outputWidth);
}

void CRgbtoRgb16VideoScaler::InitializeYMaps()
{
    SetMap(m_yMap, m_inLineSize, m_inputHeight, m_outputHeight);
}

void CRgbtoRgb16VideoScaler::TransformMaps()
{
    TransformMap(m_xMap, m_yMap);
}

void CRgbtoRgb16VideoScaler::ColorScaleSelf()
{
    StartMaps(GetInputRgbDataStart(), m_xMap, m_yMap);
    ScalerSources::RgbPixels src{{m_xMap, m_yMap}, m_inROffset, m_inGOffset, m_inBOffset};
    ScalerWalk::Rgb16Output(*this, src, GetOutputDataStart(), m_outLineSize, m_outputColor != kColorRgb555, !m_color,
                            false);
}
