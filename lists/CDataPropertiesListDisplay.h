#pragma once
// The row display of the properties list.
#include "CObjectListDisplay.h"

class CDataPropertiesListDisplay : public CObjectListDisplay {
public:
    explicit CDataPropertiesListDisplay(CObjectDisplay* parent = nullptr) : CObjectListDisplay(parent) {}
    CDataPropertiesListDisplay(const CDataPropertiesListDisplay& other) = default;
    CDataPropertiesListDisplay& operator=(const CDataPropertiesListDisplay& other) = default;
};
