#include "CRgb16toRgbVideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CRgb16toRgbVideoScaler::ScaleChannels(int channels, bool grey)
{
    BYTE* out = StartPixelMaps();
    ScalerSources::Rgb16Pixels src(m_xMap, m_yMap, m_inputColor == kColorRgb565);
    ScalerWalk::RgbRules rules;
    rules.maskRgbOnly = true;
    ScalerWalk::RgbOutput(*this, src, out, m_outLineSize, m_outBytePerPixel, OutputRgbOffsets(),
                          ScalerWalk::Channels(channels), grey, rules);
}
