#pragma once
// Lays the watermark over the frames.
#include "CTransformerFilter.h"

class CWatermarkFilter : public CTransformerFilter {
public:
    explicit CWatermarkFilter(CDirectShowGraph* graph = nullptr, const char* name = "Watermark");
};
