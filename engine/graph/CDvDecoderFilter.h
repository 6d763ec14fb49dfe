#pragma once
// The DV video decoder, set to decode at full size whenever it is created.
#include "CDirectShowFilter.h"

class CDvDecoderFilter : public CDirectShowFilter {
public:
    void CompleteCreate() override;
};
