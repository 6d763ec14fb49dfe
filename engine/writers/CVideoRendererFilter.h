#pragma once
// The screen renderer: one input pin of any type. It is its graph's video renderer from
// construction to destruction.
#include "COutputFilter.h"

class CVideoRendererFilter : public COutputFilter {
public:
    explicit CVideoRendererFilter(CDirectShowGraph* graph = nullptr, const char* name = "Video Renderer");
    CVideoRendererFilter(const CVideoRendererFilter&) = delete;
    CVideoRendererFilter& operator=(const CVideoRendererFilter&) = delete;
    ~CVideoRendererFilter() override;
    // The plain renderer, which scales freely, in place of the default one.
    void UsePlainRenderer();
};
