#include "CPersistPath.h"

MV_IMPLEMENT_PERSIST_CLASS(CPersistPath, CPersistObject, FourCharCode("pspa"))
