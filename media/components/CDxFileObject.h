#pragma once
// A component delivered as a file, known by its id.
// Stored under the web object's code, which resolves to the web object on loading by code.
#include "CDxNumberedObject.h"

class CDxFileObject : public CDxNumberedObject {
    MV_DECLARE_PERSIST_CLASS(CDxFileObject)
};
