#include "CRgb16VideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CRgb16VideoScaler::ColorScaleSelf()
{
    BYTE* out = StartPixelMaps();
    ScalerSources::Rgb16Pixels src(m_xMap, m_yMap, m_inputColor == kColorRgb565);
    auto row = [&](int i) { src.Row(i); };
    if (m_inputColor == m_outputColor) {
        if (CanCopyLines()) {
            CopyLines(out, m_outLineSize, m_yMap, 0, size_t(m_inputWidth) * 2);
            return;
        }
        ScalerWalk::Words(*this, out, m_outLineSize, true, row, [&](int j) { return src.Word(j); });
    } else if (m_inputColor == kColorRgb555) {
        ScalerWalk::Words(*this, out, m_outLineSize, true, row, [&](int j) {
            const unsigned short p = src.Word(j);
            return static_cast<unsigned short>(((p << 1) & 0xFFC0) | (p & 0x1F));
        });
    } else {
        ScalerWalk::Words(*this, out, m_outLineSize, true, row, [&](int j) {
            const unsigned short p = src.Word(j);
            return static_cast<unsigned short>(((p >> 1) & 0x7FE0) | (p & 0x1F));
        });
    }
}

void CRgb16VideoScaler::GreyScaleScaleSelf()
{
    StartPixelMaps();
    ScalerSources::Rgb16Pixels src(m_xMap, m_yMap, m_inputColor == kColorRgb565);
    ScalerWalk::Rgb16Output(*this, src, GetOutputDataStart(), m_outLineSize, m_outputColor == kColorRgb565, true,
                            false);
}
