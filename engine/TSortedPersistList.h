#pragma once
// Ordered lists of the engine's catalogues: comparison by a key, lookup and
// insertion by value, and the nearest value of an ascending list.
#include "CPersistList.h"
#include "TPersistListSearch.h"

#include <cstdlib>
#include <cstring>

// Items of another class (a damaged file) sort first, so they never split the order.
template <typename T, auto Key>
int ComparePersistItems(const void* a, const void* b)
{
    const T* x = dynamic_cast<const T*>(static_cast<const CPersistObject*>(a));
    const T* y = dynamic_cast<const T*>(static_cast<const CPersistObject*>(b));
    if (!x || !y) return int(x != nullptr) - int(y != nullptr);
    const auto kx = (x->*Key)();
    const auto ky = (y->*Key)();
    return kx < ky ? -1 : (ky < kx ? 1 : 0);
}

// Byte order of a text key.
template <typename T, auto Key>
int ComparePersistNames(const void* a, const void* b)
{
    const T* x = dynamic_cast<const T*>(static_cast<const CPersistObject*>(a));
    const T* y = dynamic_cast<const T*>(static_cast<const CPersistObject*>(b));
    if (!x || !y) return int(x != nullptr) - int(y != nullptr);
    return std::strcmp((x->*Key)(), (y->*Key)());
}

template <typename T, auto Key, typename V>
T* FindByKey(const CPersistList& list, const V& value)
{
    return FindInPersistList<T>(list, [&](const T& item) { return (item.*Key)() == value; });
}

// The item of that key, or a new one set to it and inserted in order.
template <typename T, auto Key, auto Setter, typename V>
T* FindOrAddByKey(CPersistList& list, const V& value)
{
    if (T* found = FindByKey<T, Key>(list, value)) return found;
    auto* item = new T;
    (item->*Setter)(value);
    list.Add(item);
    return item;
}

// The item whose key is nearest the wanted value; the earlier item wins a tie.
template <typename T, auto Key, typename V>
T* FindNearest(const CPersistList& list, V wanted)
{
    T* best = nullptr;
    long long bestDistance = 0;
    for (int i = 0; i < list.GetItemCount(); ++i) {
        auto* item = dynamic_cast<T*>(list.GetAt(i));
        if (!item) continue;
        const long long distance = std::llabs(static_cast<long long>((item->*Key)()) - static_cast<long long>(wanted));
        if (!best || distance < bestDistance) {
            best = item;
            bestDistance = distance;
        }
    }
    return best;
}

// Frame-size lists, ordered by width, then height (the items' GetSortKey).
template <typename T>
T* FindSizeIn(const CPersistList& list, unsigned short width, unsigned short height)
{
    return FindByKey<T, &T::GetSortKey>(list, (ULONG(width) << 16) | height);
}

// The size found, or a new one inserted in order.
template <typename T>
T* AddSizeIn(CPersistList& list, unsigned short width, unsigned short height)
{
    if (T* found = FindSizeIn<T>(list, width, height)) return found;
    auto* size = new T;
    size->SetWidth(width);
    size->SetHeight(height);
    list.Add(size);
    return size;
}
