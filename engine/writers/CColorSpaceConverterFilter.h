#pragma once
// The system colour space converter (or the AVI decompressor), found by video pins.
#include "CTransformerFilter.h"

class CColorSpaceConverterFilter : public CTransformerFilter {
public:
    explicit CColorSpaceConverterFilter(CDirectShowGraph* graph = nullptr, const char* name = "Color Space Converter");
};
