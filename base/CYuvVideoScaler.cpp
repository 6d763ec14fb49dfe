#include "CYuvVideoScaler.h"

#include <cstring>

#include "ScalerSources.h"
#include "ScalerWalk.h"
#include "VideoFormats.h"

void CYuvVideoScaler::InitializeXMaps()
{
    SetMap(m_yxMap, m_inYBytePerPixel, m_inputWidth, GetOutputYWidth());
    InitializeChromaXMap(m_uxMap, true, GetOutputUWidth());
    InitializeChromaXMap(m_vxMap, false, GetOutputVWidth());
}

void CYuvVideoScaler::InitializeYMaps()
{
    SetMap(m_yyMap, m_inYLineSize, m_inputHeight, GetOutputYHeight());
    InitializeChromaYMap(m_uyMap, true, GetOutputUHeight());
    InitializeChromaYMap(m_vyMap, false, GetOutputVHeight());
}

void CYuvVideoScaler::TransformMaps()
{
    TransformMap(m_yxMap, m_yyMap);
    TransformMap(m_uxMap, m_uyMap);
    TransformMap(m_vxMap, m_vyMap);
}

void CYuvVideoScaler::ColorScaleSelf()
{
    StartMaps(GetInputYDataStart() + m_inYOffset, m_yxMap, m_yyMap);
    const int f = m_outputColor;
    if (m_color && CanCopyLines() && (f == kColorAyuv || VideoFormats::IsPacked422(f))) {
        const size_t bytes = size_t(GetInputProcessingAreaLineSize());
        BYTE* out = GetOutputYDataStart();
        for (int i = 0; i < m_outputHeight; ++i, out += m_outYLineSize)
            std::memcpy(out, m_yyMap.GetDataPtr(i) - m_inYOffset, bytes);
        return;
    }
    StartMaps(InputChromaStart(true), m_uxMap, m_uyMap);
    StartMaps(InputChromaStart(false), m_vxMap, m_vyMap);
    ScalerSources::YuvPixels src{{m_yxMap, m_yyMap}, {m_uxMap, m_uyMap}, {m_vxMap, m_vyMap}};
    ScalerWalk::YuvOutput(*this, src, OutputYuvTarget(true, 1), f, ScalerWalk::LumaRgbRule::Always);
}
