#pragma once
// A scaler that reads a packed RGB-side input (8-, 16-, 24- or 32-bit pixels) through one map
// pair at the output's resolution.
#include "CVideoScaler.h"

class CPixelMapVideoScaler : public CVideoScaler {
public:
    void InitializeXMaps() override;
    void InitializeYMaps() override;
    void TransformMaps() override;

protected:
    // Anchors the maps at the input rectangle and returns the output's first pixel.
    BYTE* StartPixelMaps();

    CMemoryMap m_xMap, m_yMap;
};
