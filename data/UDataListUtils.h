#pragma once
// Keeps a loaded list to the item class its owner expects.
#include "win32/WinTypes.h"

class CPersistList;

class UDataListUtils {
public:
    // Deletes every item that is not an instance of the type, so that a damaged or
    // foreign file cannot hand the owner an object of another class.
    static void DropForeignItems(CPersistList& list, LONG type);
};
