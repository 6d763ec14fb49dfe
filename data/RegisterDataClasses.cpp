// Registers every persistent class of mvdata, in this order, when the library loads.
// Static initialisation within this one file runs top to bottom, so a duplicate type
// code always resolves to the class listed first.
#include "CNamedData.h"
#include "CNamedObject.h"
#include "CNamedValue.h"
#include "CPropertyList.h"
#include "CPropertyValue.h"

MV_REGISTER_PERSIST_CLASS(CNamedObject)
MV_REGISTER_PERSIST_CLASS(CNamedData)
MV_REGISTER_PERSIST_CLASS(CNamedValue)
MV_REGISTER_PERSIST_CLASS(CPropertyValue)
MV_REGISTER_PERSIST_CLASS(CPropertyList)
