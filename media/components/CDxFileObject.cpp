#include "CDxFileObject.h"

MV_IMPLEMENT_PERSIST_CLASS(CDxFileObject, CDxNumberedObject, FourCharCode("wbob"))
