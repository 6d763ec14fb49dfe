#include "CFennowData.h"

MV_IMPLEMENT_PERSIST_CLASS(CFennowData, CMediaWriter2, FourCharCode("fnwl"))

CFennowData::CFennowData() = default;
