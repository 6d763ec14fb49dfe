#include "CRgb16toRgbVideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CRgb16toRgbVideoScaler::InitializeXMaps()
{
    SetMap(m_xMap, m_inBytePerPixel, m_inputWidth, m_outputWidth);
}

void CRgb16toRgbVideoScaler::InitializeYMaps()
{
    SetMap(m_yMap, m_inLineSize, m_inputHeight, m_outputHeight);
}

void CRgb16toRgbVideoScaler::TransformMaps()
{
    TransformMap(m_xMap, m_yMap);
}

void CRgb16toRgbVideoScaler::ColorScaleSelf()
{
    ScaleRgb(false);
}

void CRgb16toRgbVideoScaler::GreyScaleScaleSelf()
{
    ScaleRgb(true);
}

void CRgb16toRgbVideoScaler::ScaleRgb(bool grey)
{
    if (!RgbOutput())
        return;
    StartMaps(GetInputRgbDataStart(), m_xMap, m_yMap);
    ScalerSources::Rgb16Pixels src(m_xMap, m_yMap, m_inputColor == kColorRgb565);
    ScalerWalk::RgbRules rules;
    rules.maskRgbOnly = true;
    ScalerWalk::RgbOutput(*this, src, GetOutputDataStart(), m_outLineSize, m_outBytePerPixel, OutputRgbOffsets(),
                          ScalerWalk::ChannelsOf(m_outputColor), grey, rules);
}
