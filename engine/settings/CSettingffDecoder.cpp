#include "CSettingffDecoder.h"

MV_IMPLEMENT_PERSIST_CLASS(CSettingffDecoder, CPersistObject, FourCharCode("ffdc"))
