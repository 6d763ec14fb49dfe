#pragma once
// A growable block of bytes. Capacity grows in steps of 256 bytes per 128 requested.
#include <cstdint>

class CHandle {
public:
    CHandle() = default;
    CHandle(const CHandle& other);
    CHandle& operator=(const CHandle& other);
    virtual ~CHandle();
    virtual void Clear();

    // Makes the size n; false (and nothing changed) when the block cannot be had.
    bool Allocate(uint32_t n, bool keep);
    // 64-bit so that huge counts do not wrap.
    static uint64_t GetAllocationSize(uint64_t n);
    bool Append(const unsigned char* bytes, uint32_t n);
    bool AppendZero(uint32_t n);
    bool Insert(const unsigned char* bytes, uint32_t n, uint32_t position);

    uint32_t GetSize() const { return m_size; }
    void SetSize(uint32_t size);
    unsigned char* GetBuffer() const { return m_block; }
    unsigned char* GetPtr(uint32_t offset) const { return m_block + offset; }
    uint32_t GetAllocatedSize() const { return m_capacity; }

private:
    // n more bytes, their content unset; false when the size would pass 32 bits.
    bool Extend(uint32_t n);

    unsigned char* m_block = nullptr;
    uint32_t m_size = 0;
    uint32_t m_capacity = 0;
};
