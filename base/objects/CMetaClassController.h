#pragma once
// The process-wide registry of persistent classes, in registration order.
// Lookup by code yields the class registered first.
#include "win32/WinTypes.h"

class CMetaClass;
class CPersistObject;
class CPointerList;

class CMetaClassController {
public:
    static void Initialize() {}
    static void AddMetaClass(CMetaClass* metaClass);
    static void RemoveMetaClass(CMetaClass* metaClass);
    static CMetaClass* GetMetaClass(LONG type);
    static CPersistObject* CreateOne(LONG type);
    // For checking code assignments: codes closer than 21 to each other.
    static CMetaClass* FindCloseRange(LONG type);
    static bool Verify(CMetaClass* metaClass);

    // Exists before the first record registers and outlives the last.
    static CPointerList& mClassList();
};
