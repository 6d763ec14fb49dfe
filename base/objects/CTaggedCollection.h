#pragma once
// An owning list of tagged byte blocks, looked up by tag.
#include "CPersistList.h"

class CTaggedHandle;

class CTaggedCollection : public CPersistList {
    MV_DECLARE_PERSIST_CLASS(CTaggedCollection)
public:
    CTaggedCollection() : CPersistList(true) {}
    CTaggedCollection(const CTaggedCollection&) = default;
    CTaggedCollection& operator=(const CTaggedCollection&) = default;
    ~CTaggedCollection() override = default;

    // The first tagged block with the tag; items of other types are passed over.
    CTaggedHandle* FindTag(ULONG tag) const;
    CTaggedHandle* AddTag(ULONG tag, const unsigned char* bytes, ULONG length);
};
