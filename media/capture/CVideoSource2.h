#pragma once
// A video capture device.
#include "CDvSource2.h"

class CVideoSource2 : public CDvSource2 {
    MV_DECLARE_PERSIST_CLASS(CVideoSource2)
};
