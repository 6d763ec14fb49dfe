#include "CRgb8toRgbVideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"
#include "UColorSpace.h"

void CRgb8toRgbVideoScaler::InitializeXMaps()
{
    SetMap(m_xMap, m_inBytePerPixel, m_inputWidth, m_outputWidth);
}

void CRgb8toRgbVideoScaler::InitializeYMaps()
{
    SetMap(m_yMap, m_inLineSize, m_inputHeight, m_outputHeight);
}

void CRgb8toRgbVideoScaler::TransformMaps()
{
    TransformMap(m_xMap, m_yMap);
}

void CRgb8toRgbVideoScaler::SetPalette(BYTE r, BYTE g, BYTE b, BYTE index)
{
    m_red[index] = r;
    m_green[index] = g;
    m_blue[index] = b;
    m_grey[index] = UColorSpace::RGBtoY(r, g, b);
}

void CRgb8toRgbVideoScaler::ColorScaleSelf()
{
    ScaleRgb(false);
}

void CRgb8toRgbVideoScaler::GreyScaleScaleSelf()
{
    ScaleRgb(true);
}

void CRgb8toRgbVideoScaler::ScaleRgb(bool grey)
{
    if (!RgbOutput())
        return;
    StartMaps(GetInputRgbDataStart(), m_xMap, m_yMap);
    ScalerSources::Rgb8Pixels src{{m_xMap, m_yMap}, m_red, m_green, m_blue, m_grey};
    ScalerWalk::RgbRules rules;
    rules.maskAll = false;
    rules.fullGInRg = true;
    ScalerWalk::RgbOutput(*this, src, GetOutputDataStart(), m_outLineSize, m_outBytePerPixel, OutputRgbOffsets(),
                          ScalerWalk::ChannelsOf(m_outputColor), grey, rules);
}
