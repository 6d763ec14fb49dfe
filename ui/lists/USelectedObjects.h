#pragma once
// The objects of a list's selected rows, gathered first because the rows go with their objects.
#include "win32/WinTypes.h"

#include <vector>

class CObjectDisplay;
class CPersistObject;

class USelectedObjects {
public:
    // Those of the type, in the order of the selection.
    static std::vector<CPersistObject*> Of(CObjectDisplay& list, LONG type);
};
