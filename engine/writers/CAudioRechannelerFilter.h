#pragma once
// Changes the channel count of an audio stream.
#include "CTransformerFilter.h"

class CAudioRechannelerFilter : public CTransformerFilter {
public:
    explicit CAudioRechannelerFilter(CDirectShowGraph* graph = nullptr, const char* name = "Audio Rechanneler");
};
