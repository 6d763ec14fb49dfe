#include "CPropertyValue.h"

MV_IMPLEMENT_PERSIST_CLASS(CPropertyValue, CNamedObject, FourCharCode("prpv"))
