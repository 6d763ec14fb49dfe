#pragma once
// Scales palettised 8-bit frames into 24- and 32-bit RGB and the channel subsets.
#include "CVideoScaler.h"

class CRgb8toRgbVideoScaler : public CVideoScaler {
public:
    void InitializeXMaps() override;
    void InitializeYMaps() override;
    void TransformMaps() override;
    void ColorScaleSelf() override;
    void GreyScaleScaleSelf() override;
    void SetPalette(BYTE r, BYTE g, BYTE b, BYTE index) override;

private:
    void ScaleRgb(bool grey);

    BYTE m_red[256] = {};
    BYTE m_green[256] = {};
    BYTE m_blue[256] = {};
    BYTE m_grey[256] = {};
    CMemoryMap m_xMap, m_yMap;
};
