#pragma once
// Name-value text pairs in the order added, looked up in both directions.
#include "CTextPair.h"
#include "TOwnedList.h"

class CLookupList {
public:
    CLookupList() = default;
    CLookupList(const CLookupList& other) { mPairs.CopyFrom(other.mPairs); }
    CLookupList& operator=(const CLookupList& other);
    virtual ~CLookupList() = default;

    // Replaces the value of the pair with that name, or appends a new pair.
    void AddLookup(const char* name, const char* value);
    CTextPair* Find(const char* name) const;
    CTextPair* FindByValue(const char* value) const;
    // Null when there is no such pair.
    char* GetValue(const char* name) const;
    char* GetName(const char* value) const;

    int GetLookupCount() const { return mPairs.GetCount(); }
    CTextPair* GetLookup(int index) const { return mPairs.GetAt(index); }

private:
    TOwnedList<CTextPair> mPairs;
};
