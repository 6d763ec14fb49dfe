#pragma once
// One row of the codec check list.
#include "CObjectListDisplay.h"

class CCodecListDisplay : public CObjectListDisplay {
public:
    explicit CCodecListDisplay(CObjectDisplay* parent = nullptr) : CObjectListDisplay(parent) {}
};
