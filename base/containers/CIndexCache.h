#pragma once
// Remembers where each item of a list sits, so that finding an item's index does not walk
// the whole list. The list itself stays the truth: a remembered index is checked against it,
// and an item moved by inserts and removes is looked for only as far as they can have moved it.
#include <memory>

class CIndexCache {
public:
    // The item at an index of the list (null beyond it).
    using ItemAt = const void* (*)(const void* list, int index);

    CIndexCache();
    CIndexCache(const CIndexCache&) = delete;
    CIndexCache& operator=(const CIndexCache&) = delete;
    ~CIndexCache();

    // The list had `countBefore` items and the item went in at the index.
    void Inserted(const void* item, int index, int countBefore);
    // The item at the index left a list of `countBefore` items.
    void Removed(const void* item, int index, int countBefore);
    void Clear();

    // The item's index in the list of `count` items, -1 when it is not there. Only items told
    // by Inserted are found; when the list was reordered behind the cache's back (a sort) the
    // whole list is read again, once.
    int Find(const void* item, int count, ItemAt at, const void* list) const;

private:
    void Rebuild(int count, ItemAt at, const void* list) const;

    struct SIndexes;
    std::unique_ptr<SIndexes> mIndexes;
};
