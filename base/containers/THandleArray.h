#pragma once
// Fixed-size items kept back to back in a CHandle: the storage of the pointer and value lists.
#include "CHandle.h"

#include <cstdint>
#include <cstring>

template <typename T>
class THandleArray {
public:
    int Count() const { return static_cast<int>(m_items.GetSize() / sizeof(T)); }

    T At(int index) const
    {
        T item;
        std::memcpy(&item, m_items.GetPtr(static_cast<uint32_t>(index) * sizeof(T)), sizeof(T));
        return item;
    }

    // Inserts at index (below 0 or beyond the end: at the end); -1 when the block cannot grow.
    int InsertAt(T item, int index)
    {
        int count = Count();
        if (index < 0 || index > count) index = count;
        // Byte counts in 64 bits: a huge list fails instead of wrapping.
        uint64_t bytes = (uint64_t(count) + 1) * sizeof(T);
        if (bytes > UINT32_MAX || count == INT32_MAX) return -1;
        if (!m_items.Insert(reinterpret_cast<const unsigned char*>(&item), sizeof(T),
                            static_cast<uint32_t>(index) * sizeof(T)))
            return -1;
        return index;
    }

    void RemoveAt(int index)
    {
        if (index < 0 || index >= Count()) return;
        uint32_t offset = static_cast<uint32_t>(index) * sizeof(T);
        uint32_t size = m_items.GetSize();
        std::memmove(m_items.GetPtr(offset), m_items.GetPtr(offset + sizeof(T)), size - offset - sizeof(T));
        m_items.SetSize(size - sizeof(T));
    }

    void RemoveAll() { m_items.Clear(); }

private:
    CHandle m_items;
};
