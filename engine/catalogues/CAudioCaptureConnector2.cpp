#include "CAudioCaptureConnector2.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioCaptureConnector2, CNamedObject, CAudioCaptureConnector2::kType)
