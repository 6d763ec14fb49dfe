// Registers every persistent class of mvgraph, in this order, when the library loads.
// Static initialisation within this one file runs top to bottom, so a duplicate type
// code always resolves to the class listed first.
#include "CFileExtensionChain.h"
#include "CFileExtensionData.h"
#include "CFileExtensionFilterData.h"
#include "CFileFilterData.h"
#include "CFileTypeData.h"
#include "CFilterData.h"
#include "CSplitterInfo.h"

MV_REGISTER_PERSIST_CLASS(CFilterData)
MV_REGISTER_PERSIST_CLASS(CFileExtensionData)
MV_REGISTER_PERSIST_CLASS(CFileExtensionFilterData)
MV_REGISTER_PERSIST_CLASS(CFileTypeData)
MV_REGISTER_PERSIST_CLASS(CFileFilterData)
MV_REGISTER_PERSIST_CLASS(CSplitterInfo)
MV_REGISTER_PERSIST_CLASS(CFileExtensionChain)
