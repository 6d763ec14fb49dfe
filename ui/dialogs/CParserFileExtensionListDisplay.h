#pragma once
// One row of the file parsers' extension list.
#include "CObjectListDisplay.h"

class CParserFileExtensionListDisplay : public CObjectListDisplay {
public:
    explicit CParserFileExtensionListDisplay(CObjectDisplay* parent = nullptr) : CObjectListDisplay(parent) {}
};
