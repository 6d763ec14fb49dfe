#pragma once
// Scales the YUV formats and the luma plane into the YUV formats and the luma outputs.
#include "CVideoScaler.h"

class CYuvVideoScaler : public CVideoScaler {
public:
    void InitializeXMaps() override;
    void InitializeYMaps() override;
    void TransformMaps() override;
    void ColorScaleSelf() override;

private:
    CMemoryMap m_yxMap, m_uxMap, m_vxMap;
    CMemoryMap m_yyMap, m_uyMap, m_vyMap;
};
