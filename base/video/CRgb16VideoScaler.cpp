#include "CRgb16VideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CRgb16VideoScaler::ColorScaleSelf()
{
    if (m_inputColor == m_outputColor)
        ColorScaleSelfRgb16Copy();
    else if (m_inputColor == kColorRgb555)
        ColorScaleSelfRgb555toRgb565();
    else
        ColorScaleSelfRgb565toRgb555();
}

void CRgb16VideoScaler::GreyScaleScaleSelf()
{
    if (m_outputColor == kColorRgb565)
        GreyScaleSelfRgb555toRgb565();
    else
        GreyScaleSelfRgb565toRgb555();
}

namespace {

// Output words from the input word p of each output column.
template <class Convert>
void ScaleWordsBy(CVideoScaler& s, const CMemoryMap& x, const CMemoryMap& y, BYTE* out, int line, Convert convert)
{
    ScalerSources::Rgb16Pixels src(x, y, false);
    ScalerWalk::Words(s, out, line, true, [&](int i) { src.Row(i); }, [&](int j) { return convert(src.Word(j)); });
}

}  // namespace

void CRgb16VideoScaler::ColorScaleSelfRgb16Copy()
{
    BYTE* out = StartPixelMaps();
    if (CanCopyLines())
        CopyLines(out, m_outLineSize, m_yMap, 0, size_t(m_inputWidth) * 2);
    else
        ScaleWordsBy(*this, m_xMap, m_yMap, out, m_outLineSize, [](unsigned short p) { return p; });
}

void CRgb16VideoScaler::ColorScaleSelfRgb555toRgb565()
{
    ScaleWordsBy(*this, m_xMap, m_yMap, StartPixelMaps(), m_outLineSize, [](unsigned short p) {
        return static_cast<unsigned short>(((p << 1) & 0xFFC0) | (p & 0x1F));
    });
}

void CRgb16VideoScaler::ColorScaleSelfRgb565toRgb555()
{
    ScaleWordsBy(*this, m_xMap, m_yMap, StartPixelMaps(), m_outLineSize, [](unsigned short p) {
        return static_cast<unsigned short>(((p >> 1) & 0x7FE0) | (p & 0x1F));
    });
}

void CRgb16VideoScaler::ScaleGrey(bool rgb565)
{
    StartPixelMaps();
    ScalerSources::Rgb16Pixels src(m_xMap, m_yMap, m_inputColor == kColorRgb565);
    ScalerWalk::Rgb16Output(*this, src, GetOutputDataStart(), m_outLineSize, rgb565, true, false);
}
