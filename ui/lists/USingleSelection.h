#pragma once
// The object of a list's only selected row.
#include "win32/WinTypes.h"

class CObjectDisplay;
class CPersistObject;

class USingleSelection {
public:
    // Null unless exactly one row is selected and its object is of the type.
    static CPersistObject* GetObject(CObjectDisplay& list, LONG type);
};
