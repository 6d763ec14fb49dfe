#pragma once
// Scales 16-bit RGB into 16-bit RGB, converting between 5-5-5 and 5-6-5.
#include "CVideoScaler.h"

class CRgb16VideoScaler : public CVideoScaler {
public:
    void InitializeXMaps() override;
    void InitializeYMaps() override;
    void TransformMaps() override;
    void ColorScaleSelf() override;
    void GreyScaleScaleSelf() override;

private:
    CMemoryMap m_xMap, m_yMap;
};
