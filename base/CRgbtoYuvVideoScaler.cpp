#include "CRgbtoYuvVideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CRgbtoYuvVideoScaler::InitializeXMaps()
{
    SetMap(m_yxMap, m_inBytePerPixel, m_inputWidth, GetOutputYWidth());
    SetMap(m_cxMap, m_inBytePerPixel, m_inputWidth, GetOutputUWidth());
}

void CRgbtoYuvVideoScaler::InitializeYMaps()
{
    SetMap(m_yyMap, m_inLineSize, m_inputHeight, GetOutputYHeight());
    SetMap(m_cyMap, m_inLineSize, m_inputHeight, GetOutputUHeight());
}

void CRgbtoYuvVideoScaler::TransformMaps()
{
    TransformMap(m_yxMap, m_yyMap);
    TransformMap(m_cxMap, m_cyMap);
}

void CRgbtoYuvVideoScaler::ColorScaleSelf()
{
    BYTE* data = GetInputRgbDataStart();
    StartMaps(data, m_yxMap, m_yyMap);
    StartMaps(data, m_cxMap, m_cyMap);
    using Pixels = ScalerSources::RgbPixels;
    ScalerSources::RgbToYuv<Pixels> src{Pixels{{m_yxMap, m_yyMap}, m_inROffset, m_inGOffset, m_inBOffset},
                                        Pixels{{m_cxMap, m_cyMap}, m_inROffset, m_inGOffset, m_inBOffset}};
    ScalerWalk::YuvOutput(*this, src, OutputYuvTarget(true, 0), m_outputColor, ScalerWalk::LumaRgbRule::ColourOnly);
}
