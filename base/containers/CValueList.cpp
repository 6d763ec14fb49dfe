#include "CValueList.h"

int CValueList::Add(LONG v)
{
    int index = -1;
    if (m_compare) {
        int count = m_values.Count();
        index = 0;
        while (index < count && m_compare(m_values.At(index), v) <= 0) ++index;
    }
    return m_values.InsertAt(v, index);
}

LONG CValueList::GetAt(int index) const
{
    if (index < 0 || index >= m_values.Count()) return 0;
    return m_values.At(index);
}

int CValueList::GetIndex(LONG v) const
{
    int count = m_values.Count();
    for (int i = 0; i < count; ++i)
        if (m_values.At(i) == v) return i;
    return -1;
}

LONG CValueList::GetNext(LONG v) const
{
    int index = GetIndex(v);
    return index < 0 ? 0 : GetAt(index + 1);
}

LONG CValueList::GetPrevious(LONG v) const
{
    int index = GetIndex(v);
    return index <= 0 ? 0 : GetAt(index - 1);
}
