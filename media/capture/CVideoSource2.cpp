#include "CVideoSource2.h"

MV_IMPLEMENT_PERSIST_CLASS(CVideoSource2, CDvSource2, FourCharCode("vsr2"))
