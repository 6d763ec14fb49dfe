#pragma once
// Draws the level of the audio passing into a picture.
#include "CTransformerFilter.h"

class CAudioIndicatorFilter : public CTransformerFilter {
public:
    explicit CAudioIndicatorFilter(CDirectShowGraph* graph = nullptr, const char* name = "Audio Indicator");
};
