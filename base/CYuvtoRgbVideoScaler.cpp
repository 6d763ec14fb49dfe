#include "CYuvtoRgbVideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"
#include "UColorSpace.h"

void CYuvtoRgbVideoScaler::ScaleSelfYtoRgb()
{
    StartPlaneMaps();
    ScalerSources::Grid y(m_yxMap, m_yyMap);
    const RgbOffsets at = OutputRgbOffsets();
    ScalerWalk::Pixels(*this, GetOutputDataStart(), m_outLineSize, m_outBytePerPixel, true,
                       [&](int i) { y.Row(i); },
                       [&](BYTE* o, int j) { o[at.r] = o[at.g] = o[at.b] = UColorSpace::GreytoColor(*y.At(j)); });
}

void CYuvtoRgbVideoScaler::ColorScaleSelf()
{
    if (m_inputColor == kColorLuma) {
        ScaleSelfYtoRgb();
        return;
    }
    if (!RgbOutput())
        return;
    StartPlaneMaps();
    ScalerSources::YuvPixels src{{m_yxMap, m_yyMap}, {m_uxMap, m_uyMap}, {m_vxMap, m_vyMap}};
    ScalerWalk::RgbRules rules;
    rules.maskNotRGB = true;
    ScalerWalk::RgbOutput(*this, src, GetOutputDataStart(), m_outLineSize, m_outBytePerPixel, OutputRgbOffsets(),
                          ScalerWalk::ChannelsOf(m_outputColor), !m_color, rules);
}
