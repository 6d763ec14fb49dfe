#pragma once
// A capture device, named by the device it stands for.
#include "CNamedObject.h"

class CCaptureSource2 : public CNamedObject {
    MV_DECLARE_PERSIST_CLASS(CCaptureSource2)
};
