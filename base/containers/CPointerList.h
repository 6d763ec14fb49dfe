#pragma once
// An untyped list of pointers, optionally kept sorted. It never owns what it points to.
#include "THandleArray.h"

class CPointerList {
public:
    using CompareFunc = int (*)(const void* a, const void* b);
    using SearchFunc = int (*)(const void* item, const void* key, int extra);

    CPointerList() = default;
    CPointerList(const CPointerList&) = default;
    CPointerList& operator=(const CPointerList&) = default;
    virtual ~CPointerList() = default;

    void SetCompareFunction(CompareFunc compare) { m_compare = compare; }
    void SetSearchFunction(SearchFunc search) { m_search = search; }

    int Add(const void* p);
    int Add(const void* p, int index);
    void Remove(const void* p) { RemoveAt(GetIndex(p)); }
    void RemoveAt(int index) { m_items.RemoveAt(index); }
    void* GetAt(int index) const;
    int GetIndex(const void* p) const;
    int GetInsertIndex(const void* p) const;
    void* Find(const void* key, int extra) const;
    void* GetNext(const void* p) const;
    void* GetPrevious(const void* p) const;
    int GetItemCount() const { return m_items.Count(); }
    void RemoveAll() { m_items.RemoveAll(); }

private:
    CompareFunc m_compare = nullptr;
    SearchFunc m_search = nullptr;
    THandleArray<void*> m_items;
};
