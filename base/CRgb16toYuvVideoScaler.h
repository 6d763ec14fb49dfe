#pragma once
// Scales 16-bit RGB into the YUV formats and the luma outputs.
#include "CVideoScaler.h"

class CRgb16toYuvVideoScaler : public CVideoScaler {
public:
    void InitializeXMaps() override;
    void InitializeYMaps() override;
    void TransformMaps() override;
    void ColorScaleSelf() override;

private:
    CMemoryMap m_yxMap, m_cxMap;
    CMemoryMap m_yyMap, m_cyMap;
};
