#include "CTextPair.h"

#include <cstring>

namespace {

void ReplaceText(char*& field, const char* text)
{
    if (!text)
        text = "";
    size_t n = std::strlen(text);
    char* copy = new char[n + 1];
    std::memcpy(copy, text, n + 1);
    delete[] field;
    field = copy;
}

} // namespace

CTextPair::CTextPair() : CTextPair(nullptr, nullptr)
{
}

CTextPair::CTextPair(const char* name, const char* value)
{
    ReplaceText(mName, name);
    ReplaceText(mValue, value);
}

CTextPair::CTextPair(const CTextPair& other) : CTextPair(other.mName, other.mValue)
{
}

CTextPair& CTextPair::operator=(const CTextPair& other)
{
    // Copy first: assigning a pair to itself must not free what it copies from.
    if (this != &other) {
        SetName(other.mName);
        SetValue(other.mValue);
    }
    return *this;
}

CTextPair::~CTextPair()
{
    delete[] mName;
    delete[] mValue;
}

void CTextPair::SetName(const char* name)
{
    ReplaceText(mName, name);
}

void CTextPair::SetValue(const char* value)
{
    ReplaceText(mValue, value);
}
