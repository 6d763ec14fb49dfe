#include "CNamedValue.h"

MV_IMPLEMENT_PERSIST_CLASS(CNamedValue, CNamedObject, FourCharCode("namo"))
