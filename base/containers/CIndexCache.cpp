#include "CIndexCache.h"

#include <algorithm>
#include <unordered_map>

struct CIndexCache::SIndexes {
    struct SPlace {
        int index = 0;
        // The rebuild that last saw the item in the list.
        unsigned seen = 0;
    };
    std::unordered_map<const void*, SPlace> at;
    unsigned rebuilds = 0;
    // Inserts and removes that moved items since the indexes were last all true: no
    // remembered index is further than this from its item.
    int moves = 0;
};

CIndexCache::CIndexCache() : mIndexes(std::make_unique<SIndexes>()) {}

CIndexCache::~CIndexCache() = default;

void CIndexCache::Inserted(const void* item, int index, int countBefore)
{
    if (!item || index < 0)
        return;
    mIndexes->at[item] = {index, mIndexes->rebuilds};
    if (index < countBefore)
        ++mIndexes->moves;
}

void CIndexCache::Removed(const void* item, int index, int countBefore)
{
    if (item)
        mIndexes->at.erase(item);
    if (index >= 0 && index < countBefore - 1)
        ++mIndexes->moves;
}

void CIndexCache::Clear()
{
    mIndexes->at.clear();
    mIndexes->moves = 0;
}

int CIndexCache::Find(const void* item, int count, ItemAt at, const void* list) const
{
    if (!item || count <= 0)
        return -1;
    auto found = mIndexes->at.find(item);
    if (found == mIndexes->at.end())
        return -1;
    int& index = found->second.index;
    if (index < count && at(list, index) == item)
        return index;
    // Reading the whole list again costs a hash write per item; looking near costs a compare
    // per place. Past a few thousand moves the rebuild is the cheaper of the two.
    const int moves = mIndexes->moves;
    if (static_cast<long long>(moves) * moves <= 16LL * count) {
        const int first = std::max(0, index - moves);
        const int last = std::min(count - 1, index + moves);
        for (int i = first; i <= last; ++i)
            if (at(list, i) == item) {
                index = i;
                return i;
            }
    }
    Rebuild(count, at, list);
    found = mIndexes->at.find(item);
    return found == mIndexes->at.end() ? -1 : found->second.index;
}

void CIndexCache::Rebuild(int count, ItemAt at, const void* list) const
{
    // The places are written over where they are, not cleared and made again: a long list
    // losing its first rows one by one is read again every thousand or so, and making a
    // hundred thousand places each time costs more than the reading.
    auto& places = mIndexes->at;
    const unsigned stamp = ++mIndexes->rebuilds;
    places.reserve(static_cast<size_t>(count));
    // From the last, so that an item listed twice is found at its first place.
    for (int i = count - 1; i >= 0; --i)
        if (const void* item = at(list, i))
            places[item] = {i, stamp};
    std::erase_if(places, [stamp](const auto& place) { return place.second.seen != stamp; });
    mIndexes->moves = 0;
}
