#pragma once
// A recording's row.
#include "CObjectListDisplay.h"

class CRecordingFileListDisplay : public CObjectListDisplay {
public:
    explicit CRecordingFileListDisplay(CObjectDisplay* parent = nullptr) : CObjectListDisplay(parent) {}
};
