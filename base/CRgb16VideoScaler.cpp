#include "CRgb16VideoScaler.h"

#include <cstring>

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CRgb16VideoScaler::InitializeXMaps()
{
    SetMap(m_xMap, m_inBytePerPixel, m_inputWidth, m_outputWidth);
}

void CRgb16VideoScaler::InitializeYMaps()
{
    SetMap(m_yMap, m_inLineSize, m_inputHeight, m_outputHeight);
}

void CRgb16VideoScaler::TransformMaps()
{
    TransformMap(m_xMap, m_yMap);
}

void CRgb16VideoScaler::ColorScaleSelf()
{
    StartMaps(GetInputRgbDataStart(), m_xMap, m_yMap);
    BYTE* out = GetOutputDataStart();
    ScalerSources::Rgb16Pixels src(m_xMap, m_yMap, m_inputColor == kColorRgb565);
    auto row = [&](int i) { src.Row(i); };
    if (m_inputColor == m_outputColor) {
        if (CanCopyLines()) {
            const size_t bytes = size_t(m_inputWidth) * 2;
            for (int i = 0; i < m_outputHeight; ++i, out += m_outLineSize)
                std::memcpy(out, m_yMap.GetDataPtr(i), bytes);
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
    StartMaps(GetInputRgbDataStart(), m_xMap, m_yMap);
    ScalerSources::Rgb16Pixels src(m_xMap, m_yMap, m_inputColor == kColorRgb565);
    ScalerWalk::Rgb16Output(*this, src, GetOutputDataStart(), m_outLineSize, m_outputColor == kColorRgb565, true,
                            false);
}
