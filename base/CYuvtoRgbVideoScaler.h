#pragma once
// Scales the YUV formats and the luma plane into 24- and 32-bit RGB and the channel subsets.
#include "CVideoScaler.h"

class CYuvtoRgbVideoScaler : public CVideoScaler {
public:
    void InitializeXMaps() override;
    void InitializeYMaps() override;
    void TransformMaps() override;
    void ColorScaleSelf() override;
    void GreyScaleScaleSelf() override;
    // Input 1000: the expanded grey into R, G and B.
    void ScaleSelfYtoRgb();

private:
    void ScaleRgb(bool grey);

    CMemoryMap m_yxMap, m_uxMap, m_vxMap;
    CMemoryMap m_yyMap, m_uyMap, m_vyMap;
};
