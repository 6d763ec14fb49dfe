#include "CLookupList.h"

#include "UStringUtils.h"

CLookupList& CLookupList::operator=(const CLookupList& other)
{
    mPairs.CopyFrom(other.mPairs);
    return *this;
}

void CLookupList::AddLookup(const char* name, const char* value)
{
    if (CTextPair* pair = Find(name))
        pair->SetValue(value);
    else
        mPairs.Add(new CTextPair(name, value));
}

CTextPair* CLookupList::Find(const char* name) const
{
    return mPairs.FindFirst(
        [name](const CTextPair& pair) { return UStringUtils::strcmp(pair.GetName(), name) == 0; });
}

CTextPair* CLookupList::FindByValue(const char* value) const
{
    return mPairs.FindFirst(
        [value](const CTextPair& pair) { return UStringUtils::strcmp(pair.GetValue(), value) == 0; });
}

char* CLookupList::GetValue(const char* name) const
{
    CTextPair* pair = Find(name);
    return pair ? pair->GetValue() : nullptr;
}

char* CLookupList::GetName(const char* value) const
{
    CTextPair* pair = FindByValue(value);
    return pair ? pair->GetName() : nullptr;
}
