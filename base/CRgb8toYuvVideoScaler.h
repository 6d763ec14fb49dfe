#pragma once
// Scales palettised 8-bit frames into the YUV formats and the luma outputs.
#include "CVideoScaler.h"

class CRgb8toYuvVideoScaler : public CVideoScaler {
public:
    CRgb8toYuvVideoScaler();

    void InitializeXMaps() override;
    void InitializeYMaps() override;
    void TransformMaps() override;
    void ColorScaleSelf() override;
    void SetPalette(BYTE r, BYTE g, BYTE b, BYTE index) override;

private:
    BYTE m_y[256];
    BYTE m_u[256];
    BYTE m_v[256];
    CMemoryMap m_yxMap, m_cxMap;
    CMemoryMap m_yyMap, m_cyMap;
};
