#include "CRgb8toRgb16VideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"
#include "UColorSpace.h"

void CRgb8toRgb16VideoScaler::SetPalette(BYTE r, BYTE g, BYTE b, BYTE index)
{
    m_colour565[index] = UColorSpace::MakeRgb565(r, g, b);
    m_colour555[index] = UColorSpace::MakeRgb555(r, g, b);
    const BYTE y = UColorSpace::RGBtoY(r, g, b);
    m_grey565[index] = UColorSpace::MakeRgb565(y, y, y);
    m_grey555[index] = UColorSpace::MakeRgb555(y, y, y);
}

void CRgb8toRgb16VideoScaler::ScaleWords(bool rgb565, bool grey)
{
    StartPixelMaps();
    ScalerSources::Grid src(m_xMap, m_yMap);
    const unsigned short* table = grey ? (rgb565 ? m_grey565 : m_grey555) : (rgb565 ? m_colour565 : m_colour555);
    ScalerWalk::Words(*this, GetOutputDataStart(), m_outLineSize, false, [&](int i) { src.Row(i); },
                      [&](int j) { return table[*src.At(j)]; });
}
