#pragma once
// Helpers over the owning lists of the media records.
#include "CPersistList.h"

class UMediaListUtils {
public:
    // Removes and deletes every item, from the last to the first.
    static void DeleteAll(CPersistList& list);
    // The item at the index, or the first one when there is none there; null for an
    // empty list.
    static CPersistObject* AtOrFirst(const CPersistList& list, int index);
    // An index past the list's items becomes 0.
    static unsigned char IndexInRange(const CPersistList& list, unsigned char index);
};
