#pragma once
// Changes the sample rate of an audio stream; the system ACM wrapper stands in when it is missing.
#include "CTransformerFilter.h"

class CAudioResamplerFilter : public CTransformerFilter {
public:
    explicit CAudioResamplerFilter(CDirectShowGraph* graph = nullptr, const char* name = "Audio Resampler");
};
