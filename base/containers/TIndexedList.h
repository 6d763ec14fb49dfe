#pragma once
// An owned list that finds an item's index without walking the list: the child displays of a
// display, which a long list control looks up by the thousand. Each item is listed once.
#include "CIndexCache.h"
#include "TOwnedList.h"

template <typename T>
class TIndexedList : private TOwnedList<T> {
    using Base = TOwnedList<T>;

public:
    using Base::FindFirst;
    using Base::GetAt;
    using Base::GetCount;

    int GetIndex(const T* item) const { return mIndexes.Find(item, GetCount(), &ItemOf, this); }
    int Add(T* item) { return Add(item, -1); }
    // Below 0 or beyond the end: at the end.
    int Add(T* item, int index)
    {
        const int before = GetCount();
        const int at = Base::Add(item, index);
        mIndexes.Inserted(item, at, before);
        return at;
    }
    // Takes the item out without deleting it.
    void Remove(const T* item)
    {
        const int index = GetIndex(item);
        if (index < 0)
            return;
        const int before = GetCount();
        Base::RemoveAt(index);
        mIndexes.Removed(item, index, before);
    }
    void RemoveAll()
    {
        Base::RemoveAll();
        mIndexes.Clear();
    }
    void DeleteAll()
    {
        Base::DeleteAll();
        mIndexes.Clear();
    }

private:
    static const void* ItemOf(const void* list, int index)
    {
        return static_cast<const TIndexedList*>(list)->GetAt(index);
    }

    CIndexCache mIndexes;
};
