#pragma once
// The owning lists of the media records: look-ups by index, by name and by id (first
// match), and removal that deletes the item.
#include "CPersistList.h"

#include <cstring>

class URecordListUtils {
public:
    template <class T>
    static T* At(const CPersistList& list, int index)
    {
        if (index < 0 || index >= list.GetItemCount()) return nullptr;
        return dynamic_cast<T*>(list.GetAt(index));
    }

    template <class T>
    static T* FindByName(const CPersistList& list, const char* name)
    {
        for (int i = 0; i < list.GetItemCount(); ++i) {
            T* item = At<T>(list, i);
            if (item && std::strcmp(item->GetName(), name ? name : "") == 0) return item;
        }
        return nullptr;
    }

    // Only an item of the list is taken out and deleted.
    static void Delete(CPersistList& list, CPersistObject* item)
    {
        if (!item || list.GetIndex(item) < 0) return;
        list.Remove(item);
        delete item;
    }

    template <class T, class Id>
    static T* FindById(const CPersistList& list, Id id)
    {
        for (int i = 0; i < list.GetItemCount(); ++i) {
            T* item = At<T>(list, i);
            if (item && item->GetId() == id) return item;
        }
        return nullptr;
    }
};
