#pragma once
// A DirectX media object, known by its id.
// Stored under the web object's code, which resolves to the web object on loading by code.
#include "CDxNumberedObject.h"

class CDxDmoObject : public CDxNumberedObject {
    MV_DECLARE_PERSIST_CLASS(CDxDmoObject)
};
