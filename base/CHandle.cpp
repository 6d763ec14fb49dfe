#include "CHandle.h"

#include <cstdlib>
#include <cstring>

CHandle::CHandle(const CHandle& other)
{
    Append(other.m_block, other.m_size);
}

CHandle& CHandle::operator=(const CHandle& other)
{
    if (this == &other) return *this;
    Clear();
    if (other.m_size != 0) Append(other.m_block, other.m_size);
    return *this;
}

CHandle::~CHandle()
{
    std::free(m_block);
}

void CHandle::Clear()
{
    std::free(m_block);
    m_block = nullptr;
    m_size = 0;
    m_capacity = 0;
}

uint64_t CHandle::GetAllocationSize(uint64_t n)
{
    return (n / 128 + 1) * 256;
}

bool CHandle::Allocate(uint32_t n, bool keep)
{
    if (n <= m_capacity) {
        m_size = n;
        return true;
    }
    uint64_t wanted = GetAllocationSize(n);
    // The capacity is 32-bit: near the top, take just what was asked for.
    if (wanted > UINT32_MAX) wanted = n;
    auto* block = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(wanted)));
    if (!block) return false;
    if (keep && m_size != 0) std::memcpy(block, m_block, m_size);
    std::free(m_block);
    m_block = block;
    m_capacity = static_cast<uint32_t>(wanted);
    m_size = n;
    return true;
}

bool CHandle::Extend(uint32_t n)
{
    return uint64_t(m_size) + n <= UINT32_MAX && Allocate(m_size + n, true);
}

bool CHandle::Append(const unsigned char* bytes, uint32_t n)
{
    uint32_t old = m_size;
    if (!Extend(n)) return false;
    if (n != 0 && bytes) std::memcpy(m_block + old, bytes, n);
    return true;
}

bool CHandle::AppendZero(uint32_t n)
{
    uint32_t old = m_size;
    if (!Extend(n)) return false;
    if (n != 0) std::memset(m_block + old, 0, n);
    return true;
}

bool CHandle::Insert(const unsigned char* bytes, uint32_t n, uint32_t position)
{
    uint32_t old = m_size;
    if (position > old) return false;
    if (!Extend(n)) return false;
    if (n == 0) return true;
    std::memmove(m_block + position + n, m_block + position, old - position);
    if (bytes) std::memcpy(m_block + position, bytes, n);
    return true;
}

void CHandle::SetSize(uint32_t size)
{
    m_size = size <= m_capacity ? size : m_capacity;
}
