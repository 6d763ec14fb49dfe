#pragma once
// A persistent list of persistent objects, owning them unless told otherwise.
// Announces each item added ('lisu') and removed ('lisv').
#include "CPersistObject.h"
#include "CPointerList.h"

class CPersistList : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CPersistList)
public:
    explicit CPersistList(bool ownsItems = true);
    CPersistList(const CPersistList& other);
    CPersistList& operator=(const CPersistList& other);
    ~CPersistList() override;

    bool IsList() const override;
    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual void AddAt(CPersistObject* item, int index);
    virtual void Add(CPersistObject* item);
    // Takes the item out without deleting it, and announces it even when absent.
    virtual void Remove(CPersistObject* item);

    void SetCompareFunction(CPointerList::CompareFunc compare) { m_items.SetCompareFunction(compare); }
    void SetChildClassId(LONG type) { m_childClassId = type; }
    LONG GetChildClassId() const { return m_childClassId; }
    bool OwnsItems() const { return m_ownsItems; }
    int GetIndex(const CPersistObject* item) const { return m_items.GetIndex(item); }
    CPersistObject* GetAt(int index) const { return static_cast<CPersistObject*>(m_items.GetAt(index)); }
    int GetItemCount() const { return m_items.GetItemCount(); }

    static constexpr LONG kListItemAddedNotice = FourCharCode("lisu");
    static constexpr LONG kListItemRemovedNotice = FourCharCode("lisv");
    static const char* const kPersistListCountTag;
    static const char* const kPersistListTypeTag;
    static const char* const kPersistListItemTag;

private:
    void CopyItems(const CPersistList& other);

    CPointerList m_items;
    bool m_ownsItems;
    LONG m_childClassId = 0;
};
