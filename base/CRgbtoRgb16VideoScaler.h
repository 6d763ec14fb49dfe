#pragma once
// Scales 24- and 32-bit RGB into 16-bit RGB.
#include "CVideoScaler.h"

class CRgbtoRgb16VideoScaler : public CVideoScaler {
public:
    void InitializeXMaps() override;
    void InitializeYMaps() override;
    void TransformMaps() override;
    void ColorScaleSelf() override;

private:
    CMemoryMap m_xMap, m_yMap;
};
