#include "CRgbVideoScaler.h"

#include <cstring>

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CRgbVideoScaler::InitializeXMaps()
{
    SetMap(m_xMap, m_inBytePerPixel, m_inputWidth, m_outputWidth);
}

void CRgbVideoScaler::InitializeYMaps()
{
    SetMap(m_yMap, m_inLineSize, m_inputHeight, m_outputHeight);
}

void CRgbVideoScaler::TransformMaps()
{
    TransformMap(m_xMap, m_yMap);
}

void CRgbVideoScaler::ColorScaleSelf()
{
    ScaleRgb(false);
}

void CRgbVideoScaler::GreyScaleScaleSelf()
{
    ScaleRgb(true);
}

void CRgbVideoScaler::ScaleRgb(bool grey)
{
    if (!RgbOutput())
        return;
    StartMaps(GetInputRgbDataStart(), m_xMap, m_yMap);
    BYTE* out = GetOutputDataStart();
    if (!grey && CanCopyLines()) {
        // Only the pixels: a 24-bit line's padding may lie past the buffer's end.
        const size_t bytes = size_t(m_inputWidth) * m_inBytePerPixel;
        for (int i = 0; i < m_outputHeight; ++i, out += m_outLineSize)
            std::memcpy(out, m_yMap.GetDataPtr(i), bytes);
        return;
    }
    ScalerSources::RgbPixels src{{m_xMap, m_yMap}, m_inROffset, m_inGOffset, m_inBOffset};
    ScalerWalk::RgbRules rules;
    rules.maskRgbOnly = true;
    ScalerWalk::RgbOutput(*this, src, out, m_outLineSize, m_outBytePerPixel, OutputRgbOffsets(),
                          ScalerWalk::ChannelsOf(m_outputColor), grey, rules);
}
