#pragma once
// A pixel-map scaler into YUV outputs: a second map pair samples the input at the output's
// chroma resolution (U and V share that grid).
#include "CPixelMapVideoScaler.h"

class CPixelChromaMapVideoScaler : public CPixelMapVideoScaler {
public:
    void InitializeXMaps() override;
    void InitializeYMaps() override;
    void TransformMaps() override;

protected:
    void StartChromaMaps();

    CMemoryMap m_cxMap, m_cyMap;
};
