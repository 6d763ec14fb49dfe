#include "CPlaneMapVideoScaler.h"

void CPlaneMapVideoScaler::InitializeXMaps()
{
    const int chroma = m_chromaAtOutputChroma ? GetOutputUWidth() : m_outputWidth;
    SetMap(m_yxMap, m_inYBytePerPixel, m_inputWidth, m_outputWidth);
    InitializeChromaXMap(m_uxMap, true, chroma);
    InitializeChromaXMap(m_vxMap, false, chroma);
}

void CPlaneMapVideoScaler::InitializeYMaps()
{
    const int chroma = m_chromaAtOutputChroma ? GetOutputUHeight() : m_outputHeight;
    SetMap(m_yyMap, m_inYLineSize, m_inputHeight, m_outputHeight);
    InitializeChromaYMap(m_uyMap, true, chroma);
    InitializeChromaYMap(m_vyMap, false, chroma);
}

void CPlaneMapVideoScaler::TransformMaps()
{
    TransformMap(m_yxMap, m_yyMap);
    TransformMap(m_uxMap, m_uyMap);
    TransformMap(m_vxMap, m_vyMap);
}

void CPlaneMapVideoScaler::StartPlaneMaps()
{
    StartMaps(GetInputYDataStart() + m_inYOffset, m_yxMap, m_yyMap);
    StartMaps(InputChromaStart(true), m_uxMap, m_uyMap);
    StartMaps(InputChromaStart(false), m_vxMap, m_vyMap);
}
