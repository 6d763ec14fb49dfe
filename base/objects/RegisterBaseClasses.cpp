// Registers every persistent class of mvbase, in this order, when the library loads.
// Static initialisation within this one file runs top to bottom, so a duplicate type
// code always resolves to the class listed first. Other libraries keep one such file.
#include "CPersistHandle.h"
#include "CPersistList.h"
#include "CPersistValueList.h"
#include "CTaggedCollection.h"
#include "CTaggedHandle.h"

MV_REGISTER_PERSIST_CLASS(CPersistHandle)
MV_REGISTER_PERSIST_CLASS(CPersistList)
MV_REGISTER_PERSIST_CLASS(CPersistValueList)
MV_REGISTER_PERSIST_CLASS(CTaggedHandle)
MV_REGISTER_PERSIST_CLASS(CTaggedCollection)
