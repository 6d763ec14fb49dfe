#include "CEnumMap.h"

#include "UStringUtils.h"

CEnumMap& CEnumMap::operator=(const CEnumMap& other)
{
    mPairs.CopyFrom(other.mPairs);
    return *this;
}

CEnumMap::~CEnumMap()
{
    Reset();
}

void CEnumMap::Add(long value, const char* text)
{
    mPairs.Add(new CEnumPair(value, text));
}

CEnumPair* CEnumMap::Find(long value) const
{
    return mPairs.FindFirst([value](const CEnumPair& pair) { return pair.GetValue() == value; });
}

CEnumPair* CEnumMap::Find(const char* text) const
{
    return mPairs.FindFirst(
        [text](const CEnumPair& pair) { return UStringUtils::strcmp(pair.GetText(), text) == 0; });
}

void CEnumMap::Reset()
{
    mPairs.DeleteAll();
}
