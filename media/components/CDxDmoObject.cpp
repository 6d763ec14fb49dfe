#include "CDxDmoObject.h"

MV_IMPLEMENT_PERSIST_CLASS(CDxDmoObject, CDxNumberedObject, FourCharCode("wbob"))
