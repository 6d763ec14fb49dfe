#include "CCaptureDevice2.h"

MV_IMPLEMENT_PERSIST_CLASS(CCaptureDevice2, CDxDeviceInfo, CCaptureDevice2::kType)
