#include "CRgb16toYuvVideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CRgb16toYuvVideoScaler::ScaleLayout(EYuvLayout layout, bool grey)
{
    StartChromaMaps();
    const bool rgb565 = m_inputColor == kColorRgb565;
    using Pixels = ScalerSources::Rgb16Pixels;
    ScalerSources::RgbToYuv<Pixels> src{Pixels(m_xMap, m_yMap, rgb565), Pixels(m_cxMap, m_cyMap, rgb565)};
    ScalerWalk::WalkYuv(*this, src, OutputYuvTarget(true, 1, grey), layout);
}
