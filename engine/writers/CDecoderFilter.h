#pragma once
// A decoder stage; the caller sets its class id from the decoder registry.
#include "CTransformerFilter.h"

class CDecoderFilter : public CTransformerFilter {
public:
    explicit CDecoderFilter(CDirectShowGraph* graph = nullptr, const char* name = "Decoder");
};
