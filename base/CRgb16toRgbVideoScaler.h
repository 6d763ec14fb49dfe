#pragma once
// Scales 16-bit RGB into 24- and 32-bit RGB and the channel subsets.
#include "CVideoScaler.h"

class CRgb16toRgbVideoScaler : public CVideoScaler {
public:
    void InitializeXMaps() override;
    void InitializeYMaps() override;
    void TransformMaps() override;
    void ColorScaleSelf() override;
    void GreyScaleScaleSelf() override;

private:
    void ScaleRgb(bool grey);

    CMemoryMap m_xMap, m_yMap;
};
