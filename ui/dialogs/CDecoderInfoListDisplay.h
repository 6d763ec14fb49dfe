#pragma once
// One row of the decoder list.
#include "CObjectListDisplay.h"

class CDecoderInfoListDisplay : public CObjectListDisplay {
public:
    explicit CDecoderInfoListDisplay(CObjectDisplay* parent = nullptr) : CObjectListDisplay(parent) {}
};
