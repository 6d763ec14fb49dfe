#include "UDataListUtils.h"

#include "CPersistList.h"

void UDataListUtils::DropForeignItems(CPersistList& list, LONG type)
{
    for (int i = list.GetItemCount() - 1; i >= 0; --i) {
        CPersistObject* item = list.GetAt(i);
        if (item->IsInstanceOf(type)) continue;
        list.Remove(item);
        if (list.OwnsItems()) delete item;
    }
}
