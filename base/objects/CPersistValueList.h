#pragma once
// A persistent list of 32-bit values. Announces values added ('valt') and removed ('valu').
#include "CPersistObject.h"
#include "CValueList.h"

class CPersistValueList : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CPersistValueList)
public:
    CPersistValueList() = default;
    CPersistValueList(const CPersistValueList& other) = default;
    CPersistValueList& operator=(const CPersistValueList& other);
    ~CPersistValueList() override = default;

    bool IsList() const override;
    // Empties the values without any notice.
    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual void AddAt(LONG value, int index);
    virtual void Add(LONG value);
    virtual void Remove(LONG value);

    void SetCompareFunction(CValueList::CompareFunc compare) { m_values.SetCompareFunction(compare); }
    int GetIndex(LONG value) const { return m_values.GetIndex(value); }
    LONG GetAt(int index) const { return m_values.GetAt(index); }
    int GetItemCount() const { return m_values.GetItemCount(); }

    static constexpr LONG kValueAddedNotice = FourCharCode("valt");
    static constexpr LONG kValueRemovedNotice = FourCharCode("valu");
    static const char* const kPersistValueListCountTag;
    static const char* const kPersistValueListValueTag;

private:
    CValueList m_values;
};
