#pragma once
// Scales 24- and 32-bit RGB into the YUV formats and the luma outputs.
#include "CVideoScaler.h"

class CRgbtoYuvVideoScaler : public CVideoScaler {
public:
    void InitializeXMaps() override;
    void InitializeYMaps() override;
    void TransformMaps() override;
    void ColorScaleSelf() override;

private:
    // Maps at the luma resolution and at the chroma resolution (U and V share the grid).
    CMemoryMap m_yxMap, m_cxMap;
    CMemoryMap m_yyMap, m_cyMap;
};
