#include "CRgb16toYuvVideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CRgb16toYuvVideoScaler::InitializeXMaps()
{
    SetMap(m_yxMap, m_inBytePerPixel, m_inputWidth, GetOutputYWidth());
    SetMap(m_cxMap, m_inBytePerPixel, m_inputWidth, GetOutputUWidth());
}

void CRgb16toYuvVideoScaler::InitializeYMaps()
{
    SetMap(m_yyMap, m_inLineSize, m_inputHeight, GetOutputYHeight());
    SetMap(m_cyMap, m_inLineSize, m_inputHeight, GetOutputUHeight());
}

void CRgb16toYuvVideoScaler::TransformMaps()
{
    TransformMap(m_yxMap, m_yyMap);
    TransformMap(m_cxMap, m_cyMap);
}

void CRgb16toYuvVideoScaler::ColorScaleSelf()
{
    BYTE* data = GetInputRgbDataStart();
    StartMaps(data, m_yxMap, m_yyMap);
    StartMaps(data, m_cxMap, m_cyMap);
    const bool rgb565 = m_inputColor == kColorRgb565;
    using Pixels = ScalerSources::Rgb16Pixels;
    ScalerSources::RgbToYuv<Pixels> src{Pixels(m_yxMap, m_yyMap, rgb565), Pixels(m_cxMap, m_cyMap, rgb565)};
    ScalerWalk::YuvOutput(*this, src, OutputYuvTarget(true, 1), m_outputColor,
                          ScalerWalk::LumaRgbRule::GreyOneByteOnly);
}
