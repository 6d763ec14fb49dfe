#include "CSettingLameDll.h"

MV_IMPLEMENT_PERSIST_CLASS(CSettingLameDll, CPersistFile2, FourCharCode("ldll"))
