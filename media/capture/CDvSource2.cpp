#include "CDvSource2.h"

MV_IMPLEMENT_PERSIST_CLASS(CDvSource2, CCaptureSource2, FourCharCode("dvs2"))
