#pragma once
// Scales the YUV formats and the luma plane into 16-bit RGB.
#include "CVideoScaler.h"

class CYuvtoRgb16VideoScaler : public CVideoScaler {
public:
    void InitializeXMaps() override;
    void InitializeYMaps() override;
    void TransformMaps() override;
    void ColorScaleSelf() override;

private:
    CMemoryMap m_yxMap, m_uxMap, m_vxMap;
    CMemoryMap m_yyMap, m_uyMap, m_vyMap;
};
