#pragma once
// A scaler that reads a YUV input (or the luma plane) through one map pair per plane. The chroma
// maps go to the output's size, or to its chroma size for YUV outputs.
#include "CVideoScaler.h"

class CPlaneMapVideoScaler : public CVideoScaler {
public:
    explicit CPlaneMapVideoScaler(bool chromaAtOutputChroma) : m_chromaAtOutputChroma(chromaAtOutputChroma) {}

    void InitializeXMaps() override;
    void InitializeYMaps() override;
    void TransformMaps() override;

protected:
    void StartPlaneMaps();

    bool m_chromaAtOutputChroma;
    CMemoryMap m_yxMap, m_uxMap, m_vxMap;
    CMemoryMap m_yyMap, m_uyMap, m_vyMap;
};
