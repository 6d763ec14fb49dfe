#include "CSettingMinimizeTaskBar.h"

MV_IMPLEMENT_PERSIST_CLASS(CSettingMinimizeTaskBar, CPersistObject, FourCharCode("mitb"))
