#include "CCaptureSource2.h"

MV_IMPLEMENT_PERSIST_CLASS(CCaptureSource2, CNamedObject, FourCharCode("cpsr"))
