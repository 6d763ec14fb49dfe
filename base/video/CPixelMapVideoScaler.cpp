#include "CPixelMapVideoScaler.h"

void CPixelMapVideoScaler::InitializeXMaps()
{
    SetMap(m_xMap, m_inBytePerPixel, m_inputWidth, m_outputWidth);
}

void CPixelMapVideoScaler::InitializeYMaps()
{
    SetMap(m_yMap, m_inLineSize, m_inputHeight, m_outputHeight);
}

void CPixelMapVideoScaler::TransformMaps()
{
    TransformMap(m_xMap, m_yMap);
}

BYTE* CPixelMapVideoScaler::StartPixelMaps()
{
    StartMaps(GetInputRgbDataStart(), m_xMap, m_yMap);
    return GetOutputDataStart();
}
