#pragma once
// A list of 32-bit values, optionally kept sorted (a new value goes after its equals).
#include "THandleArray.h"
#include "win32/WinTypes.h"

class CValueList {
public:
    using CompareFunc = int (*)(LONG a, LONG b);

    CValueList() = default;
    CValueList(const CValueList&) = default;
    CValueList& operator=(const CValueList&) = default;
    virtual ~CValueList() = default;

    void SetCompareFunction(CompareFunc compare) { m_compare = compare; }

    int Add(LONG v);
    int Add(LONG v, int index) { return m_values.InsertAt(v, index); }
    void Remove(LONG v) { RemoveAt(GetIndex(v)); }
    void RemoveAt(int index) { m_values.RemoveAt(index); }
    LONG GetAt(int index) const;
    int GetIndex(LONG v) const;
    LONG GetNext(LONG v) const;
    LONG GetPrevious(LONG v) const;
    int GetItemCount() const { return m_values.Count(); }
    void RemoveAll() { m_values.RemoveAll(); }

private:
    CompareFunc m_compare = nullptr;
    THandleArray<LONG> m_values;
};
