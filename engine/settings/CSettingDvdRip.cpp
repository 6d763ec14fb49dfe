#include "CSettingDvdRip.h"

MV_IMPLEMENT_PERSIST_CLASS(CSettingDvdRip, CPersistObject, FourCharCode("dvrp"))
