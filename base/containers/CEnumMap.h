#pragma once
// The values of an enumerated field with their display texts, in the order added.
#include "CEnumPair.h"
#include "TOwnedList.h"

class CEnumMap {
public:
    CEnumMap() = default;
    CEnumMap(const CEnumMap& other) { mPairs.CopyFrom(other.mPairs); }
    CEnumMap& operator=(const CEnumMap& other);
    virtual ~CEnumMap();

    // Appends a pair; duplicates are kept.
    void Add(long value, const char* text);
    CEnumPair* Find(long value) const;
    CEnumPair* Find(const char* text) const;
    void Reset();

    int GetCount() const { return mPairs.GetCount(); }
    CEnumPair* GetAt(int index) const { return mPairs.GetAt(index); }

private:
    TOwnedList<CEnumPair> mPairs;
};
