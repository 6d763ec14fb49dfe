#pragma once
// One row of the parsing alternatives of an extension.
#include "CObjectListDisplay.h"

class CParserFiltersListDisplay : public CObjectListDisplay {
public:
    explicit CParserFiltersListDisplay(CObjectDisplay* parent = nullptr) : CObjectListDisplay(parent) {}
};
