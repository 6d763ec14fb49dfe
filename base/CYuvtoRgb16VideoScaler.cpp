#include "CYuvtoRgb16VideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CYuvtoRgb16VideoScaler::InitializeXMaps()
{
    SetMap(m_yxMap, m_inYBytePerPixel, m_inputWidth, m_outputWidth);
    InitializeChromaXMap(m_uxMap, true, m_outputWidth);
    InitializeChromaXMap(m_vxMap, false, m_outputWidth);
}

void CYuvtoRgb16VideoScaler::InitializeYMaps()
{
    SetMap(m_yyMap, m_inYLineSize, m_inputHeight, m_outputHeight);
    InitializeChromaYMap(m_uyMap, true, m_outputHeight);
    InitializeChromaYMap(m_vyMap, false, m_outputHeight);
}

void CYuvtoRgb16VideoScaler::TransformMaps()
{
    TransformMap(m_yxMap, m_yyMap);
    TransformMap(m_uxMap, m_uyMap);
    TransformMap(m_vxMap, m_vyMap);
}

void CYuvtoRgb16VideoScaler::ColorScaleSelf()
{
    StartMaps(GetInputYDataStart() + m_inYOffset, m_yxMap, m_yyMap);
    StartMaps(InputChromaStart(true), m_uxMap, m_uyMap);
    StartMaps(InputChromaStart(false), m_vxMap, m_vyMap);
    ScalerSources::YuvPixels src{{m_yxMap, m_yyMap}, {m_uxMap, m_uyMap}, {m_vxMap, m_vyMap}};
    ScalerWalk::Rgb16Output(*this, src, GetOutputDataStart(), m_outLineSize, m_outputColor != kColorRgb555, !m_color,
                            true);
}
