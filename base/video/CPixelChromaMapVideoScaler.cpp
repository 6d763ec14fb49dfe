#include "CPixelChromaMapVideoScaler.h"

void CPixelChromaMapVideoScaler::InitializeXMaps()
{
    CPixelMapVideoScaler::InitializeXMaps();
    SetMap(m_cxMap, m_inBytePerPixel, m_inputWidth, GetOutputUWidth());
}

void CPixelChromaMapVideoScaler::InitializeYMaps()
{
    CPixelMapVideoScaler::InitializeYMaps();
    SetMap(m_cyMap, m_inLineSize, m_inputHeight, GetOutputUHeight());
}

void CPixelChromaMapVideoScaler::TransformMaps()
{
    CPixelMapVideoScaler::TransformMaps();
    TransformMap(m_cxMap, m_cyMap);
}

void CPixelChromaMapVideoScaler::StartChromaMaps()
{
    StartPixelMaps();
    StartMaps(GetInputRgbDataStart(), m_cxMap, m_cyMap);
}
