#include "CPointerList.h"

int CPointerList::Add(const void* p)
{
    return m_items.InsertAt(const_cast<void*>(p), m_compare ? GetInsertIndex(p) : -1);
}

int CPointerList::Add(const void* p, int index)
{
    return m_items.InsertAt(const_cast<void*>(p), index);
}

void* CPointerList::GetAt(int index) const
{
    if (index < 0 || index >= m_items.Count()) return nullptr;
    return m_items.At(index);
}

int CPointerList::GetIndex(const void* p) const
{
    int count = m_items.Count();
    if (!m_compare) {
        for (int i = 0; i < count; ++i)
            if (m_items.At(i) == p) return i;
        return -1;
    }
    int lo = 0, hi = count - 1;
    while (lo <= hi) {
        int mid = lo + (hi - lo) / 2;
        const void* item = m_items.At(mid);
        if (item == p) return mid;
        int r = m_compare(p, item);
        if (r < 0) {
            hi = mid - 1;
        } else if (r > 0) {
            lo = mid + 1;
        } else {
            // Equal keys may sit on either side of mid: look through the whole run.
            for (int i = mid - 1; i >= 0 && m_compare(p, m_items.At(i)) == 0; --i)
                if (m_items.At(i) == p) return i;
            for (int i = mid + 1; i < count && m_compare(p, m_items.At(i)) == 0; ++i)
                if (m_items.At(i) == p) return i;
            return -1;
        }
    }
    return -1;
}

int CPointerList::GetInsertIndex(const void* p) const
{
    int count = m_items.Count();
    if (!m_compare) return count;
    int lo = 0, hi = count - 1;
    while (lo <= hi) {
        int mid = lo + (hi - lo) / 2;
        int r = m_compare(p, m_items.At(mid));
        if (r == 0) return mid;
        if (r < 0) hi = mid - 1;
        else lo = mid + 1;
    }
    return lo;
}

void* CPointerList::Find(const void* key, int extra) const
{
    if (!m_search) return nullptr;
    int count = m_items.Count();
    if (m_compare) {
        int lo = 0, hi = count - 1;
        while (lo <= hi) {
            int mid = lo + (hi - lo) / 2;
            void* item = m_items.At(mid);
            int r = m_search(item, key, extra);
            if (r == 0) return item;
            if (r < 0) lo = mid + 1;
            else hi = mid - 1;
        }
        return nullptr;
    }
    for (int i = 0; i < count; ++i) {
        void* item = m_items.At(i);
        if (m_search(item, key, extra) == 0) return item;
    }
    return nullptr;
}

void* CPointerList::GetNext(const void* p) const
{
    int index = GetIndex(p);
    return index < 0 ? nullptr : GetAt(index + 1);
}

void* CPointerList::GetPrevious(const void* p) const
{
    int index = GetIndex(p);
    return index <= 0 ? nullptr : GetAt(index - 1);
}
