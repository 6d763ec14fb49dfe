#pragma once
// Queues samples between a fast and a slow stage.
#include "CTransformerFilter.h"

class CBufferFilter : public CTransformerFilter {
public:
    explicit CBufferFilter(CDirectShowGraph* graph = nullptr, const char* name = "Buffer");
};
