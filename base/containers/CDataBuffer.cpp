#include "CDataBuffer.h"

#include <cstring>

CDataBuffer::CDataBuffer(const CDataBuffer& other) : mData(other.mData), mAvailable(other.mAvailable.load())
{
}

CDataBuffer& CDataBuffer::operator=(const CDataBuffer& other)
{
    mData = other.mData;
    mAvailable = other.mAvailable.load();
    return *this;
}

bool CDataBuffer::SetData(const unsigned char* bytes, uint32_t n)
{
    if (!mAvailable)
        return false;
    if (!mData.Allocate(n, false))
        return false;
    if (n && bytes)
        std::memcpy(mData.GetBuffer(), bytes, n);
    else if (n)
        std::memset(mData.GetBuffer(), 0, n);
    // The bytes are in place before the consumer can see the buffer as full.
    mAvailable = false;
    return true;
}
