#pragma once
// One level of an audio codec's settings tree: a value and the ascending list of the
// next level's entries below it.
#include "CPersistStorage.h"
#include "TSortedPersistList.h"
#include "UDataListUtils.h"

#include <utility>

template <typename Value, typename Child>
class TAudioCodecLevel : public CPersistObject {
public:
    using ChildValue = decltype(std::declval<const Child&>().GetValue());

    Value GetValue() const { return m_value; }

    int GetCount() const { return m_children.GetItemCount(); }
    Child* GetAt(int index) const { return PersistListItem<Child>(m_children, index); }
    void AddChild(Child* child) { m_children.Add(child); }
    void RemoveChild(Child* child) { RemoveFromPersistList(m_children, child); }
    Child* Find(ChildValue value) const { return FindByKey<Child, &Child::GetValue>(m_children, value); }
    Child* Add(ChildValue value)
    {
        return FindOrAddByKey<Child, &Child::GetValue, &Child::SetValue>(m_children, value);
    }
    // The entry nearest the wanted value, which it overwrites; null when the list is empty.
    Child* FindBestFit(ChildValue& wanted) const
    {
        Child* best = FindNearest<Child, &Child::GetValue>(m_children, wanted);
        if (best) wanted = best->GetValue();
        return best;
    }

    bool SetValue(Value value) { return ChangeProperty(m_value, value, m_keys->notice); }

    // The level's stored keys and the notice of its value.
    struct Keys {
        const char* value;
        const char* list;
        LONG notice;
    };

protected:

    explicit TAudioCodecLevel(const Keys& keys) : m_keys(&keys) { MakeChildList(m_children); }

    static void MakeChildList(CPersistList& list)
    {
        list.SetChildClassId(Child::kType);
        list.SetCompareFunction(ComparePersistItems<Child, &Child::GetValue>);
    }

    void SaveLevel(const char* name, CPersistStorage& storage)
    {
        CPersistObject::SaveSelf(name, storage);
        storage.Save(m_keys->value, m_value);
        m_children.Save(m_keys->list, storage);
    }

    void LoadLevel(const char* name, CPersistStorage& storage)
    {
        CPersistObject::LoadSelf(name, storage);
        storage.Load(m_keys->value, m_value);
        m_children.Load(m_keys->list, storage);
        UDataListUtils::DropForeignItems(m_children, Child::kType);
    }

    const Keys* m_keys;
    Value m_value{};
    CPersistList m_children{true};
};
