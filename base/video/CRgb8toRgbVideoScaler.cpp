#include "CRgb8toRgbVideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"
#include "UColorSpace.h"

void CRgb8toRgbVideoScaler::SetPalette(BYTE r, BYTE g, BYTE b, BYTE index)
{
    m_red[index] = r;
    m_green[index] = g;
    m_blue[index] = b;
    m_grey[index] = UColorSpace::RGBtoY(r, g, b);
}

void CRgb8toRgbVideoScaler::ScaleChannels(int channels, bool grey)
{
    BYTE* out = StartPixelMaps();
    ScalerSources::Rgb8Pixels src{{m_xMap, m_yMap}, m_red, m_green, m_blue, m_grey};
    ScalerWalk::RgbRules rules;
    rules.maskAll = false;
    rules.fullGInRg = true;
    ScalerWalk::RgbOutput(*this, src, out, m_outLineSize, m_outBytePerPixel, OutputRgbOffsets(),
                          ScalerWalk::Channels(channels), grey, rules);
}
