#include "UMediaListUtils.h"

void UMediaListUtils::DeleteAll(CPersistList& list)
{
    for (int i = list.GetItemCount() - 1; i >= 0; --i) {
        CPersistObject* item = list.GetAt(i);
        list.Remove(item);
        if (list.OwnsItems()) delete item;
    }
}

CPersistObject* UMediaListUtils::AtOrFirst(const CPersistList& list, int index)
{
    CPersistObject* item = list.GetAt(index);
    return item ? item : list.GetAt(0);
}

unsigned char UMediaListUtils::IndexInRange(const CPersistList& list, unsigned char index)
{
    return index < list.GetItemCount() ? index : 0;
}
