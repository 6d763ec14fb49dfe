#pragma once
// The sound card renderer: one input pin of any type.
#include "COutputFilter.h"

class CAudioRendererFilter : public COutputFilter {
public:
    explicit CAudioRendererFilter(CDirectShowGraph* graph = nullptr, const char* name = "Audio Renderer");
};
