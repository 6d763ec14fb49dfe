#pragma once
// A preset's row; it redraws on the preset's change notice like every object row.
#include "CObjectListDisplay.h"

class CConversionTargetListDisplay : public CObjectListDisplay {
public:
    explicit CConversionTargetListDisplay(CObjectDisplay* parent = nullptr) : CObjectListDisplay(parent) {}
};
