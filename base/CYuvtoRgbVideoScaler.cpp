#include "CYuvtoRgbVideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"
#include "UColorSpace.h"

void CYuvtoRgbVideoScaler::InitializeXMaps()
{
    SetMap(m_yxMap, m_inYBytePerPixel, m_inputWidth, m_outputWidth);
    InitializeChromaXMap(m_uxMap, true, m_outputWidth);
    InitializeChromaXMap(m_vxMap, false, m_outputWidth);
}

void CYuvtoRgbVideoScaler::InitializeYMaps()
{
    SetMap(m_yyMap, m_inYLineSize, m_inputHeight, m_outputHeight);
    InitializeChromaYMap(m_uyMap, true, m_outputHeight);
    InitializeChromaYMap(m_vyMap, false, m_outputHeight);
}

void CYuvtoRgbVideoScaler::TransformMaps()
{
    TransformMap(m_yxMap, m_yyMap);
    TransformMap(m_uxMap, m_uyMap);
    TransformMap(m_vxMap, m_vyMap);
}

void CYuvtoRgbVideoScaler::ColorScaleSelf()
{
    ScaleRgb(false);
}

void CYuvtoRgbVideoScaler::GreyScaleScaleSelf()
{
    ScaleRgb(true);
}

void CYuvtoRgbVideoScaler::ScaleSelfYtoRgb()
{
    StartMaps(GetInputYDataStart() + m_inYOffset, m_yxMap, m_yyMap);
    ScalerSources::Grid y(m_yxMap, m_yyMap);
    const RgbOffsets at = OutputRgbOffsets();
    ScalerWalk::Pixels(*this, GetOutputDataStart(), m_outLineSize, m_outBytePerPixel, true,
                       [&](int i) { y.Row(i); },
                       [&](BYTE* o, int j) { o[at.r] = o[at.g] = o[at.b] = UColorSpace::GreytoColor(*y.At(j)); });
}

void CYuvtoRgbVideoScaler::ScaleRgb(bool grey)
{
    if (m_inputColor == kColorLuma) {
        ScaleSelfYtoRgb();
        return;
    }
    if (!RgbOutput())
        return;
    StartMaps(GetInputYDataStart() + m_inYOffset, m_yxMap, m_yyMap);
    StartMaps(InputChromaStart(true), m_uxMap, m_uyMap);
    StartMaps(InputChromaStart(false), m_vxMap, m_vyMap);
    ScalerSources::YuvPixels src{{m_yxMap, m_yyMap}, {m_uxMap, m_uyMap}, {m_vxMap, m_vyMap}};
    ScalerWalk::RgbRules rules;
    rules.maskNotRGB = true;
    ScalerWalk::RgbOutput(*this, src, GetOutputDataStart(), m_outLineSize, m_outBytePerPixel, OutputRgbOffsets(),
                          ScalerWalk::ChannelsOf(m_outputColor), grey, rules);
}
