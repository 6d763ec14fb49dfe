#pragma once
// A slide's row.
#include "CObjectListDisplay.h"

class CImageFileListDisplay : public CObjectListDisplay {
public:
    explicit CImageFileListDisplay(CObjectDisplay* parent = nullptr) : CObjectListDisplay(parent) {}
};
