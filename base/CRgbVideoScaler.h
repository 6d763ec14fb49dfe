#pragma once
// Scales 24- and 32-bit RGB into 24- and 32-bit RGB and the channel subsets.
#include "CVideoScaler.h"

class CRgbVideoScaler : public CVideoScaler {
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
