#pragma once
// A pointer list that owns its items: the pairs, actions and child displays kept by
// the small table and tree classes. Items are deleted from the last to the first.
#include "CPointerList.h"

template <typename T>
class TOwnedList {
public:
    TOwnedList() = default;
    TOwnedList(const TOwnedList&) = delete;
    TOwnedList& operator=(const TOwnedList&) = delete;
    ~TOwnedList() { DeleteAll(); }

    int GetCount() const { return mItems.GetItemCount(); }
    T* GetAt(int index) const { return static_cast<T*>(mItems.GetAt(index)); }
    int GetIndex(const T* item) const { return mItems.GetIndex(item); }
    int Add(T* item) { return mItems.Add(item); }
    int Add(T* item, int index) { return mItems.Add(item, index); }
    // Takes the item out without deleting it.
    void Remove(const T* item) { mItems.Remove(item); }
    void RemoveAt(int index) { mItems.RemoveAt(index); }
    void RemoveAll() { mItems.RemoveAll(); }

    void DeleteAll()
    {
        for (int i = GetCount() - 1; i >= 0; --i)
            delete GetAt(i);
        mItems.RemoveAll();
    }

    // Replaces the items by copies of the other list's.
    void CopyFrom(const TOwnedList& other)
    {
        if (this == &other)
            return;
        DeleteAll();
        for (int i = 0; i < other.GetCount(); ++i)
            mItems.Add(new T(*other.GetAt(i)));
    }

    template <typename Pred>
    T* FindFirst(Pred pred) const
    {
        for (int i = 0; i < GetCount(); ++i)
            if (pred(*GetAt(i)))
                return GetAt(i);
        return nullptr;
    }

private:
    CPointerList mItems;
};
