#pragma once
// A DV capture device.
#include "CCaptureSource2.h"

class CDvSource2 : public CCaptureSource2 {
    MV_DECLARE_PERSIST_CLASS(CDvSource2)
};
