#pragma once
// The audio regulator: the installed audio compressor whose name holds "PCM".
#include "CTransformerFilter.h"

class CAudioRegulatorFilter : public CTransformerFilter {
public:
    explicit CAudioRegulatorFilter(CDirectShowGraph* graph = nullptr, const char* name = "Audio Regulator");
};
