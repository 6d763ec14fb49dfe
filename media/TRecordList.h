#pragma once
// An owning list of one kind of record, as the media records hold their tracks, files,
// slides and writers: loading keeps only items of that kind, whatever the file holds.
// The item class may be only declared where the list is declared; it must be complete
// where the list's operations are used.
#include "CPersistList.h"
#include "UDataListUtils.h"
#include "URecordListUtils.h"

template <class T>
class TRecordList {
public:
    explicit TRecordList(LONG type) : m_type(type) { m_list.SetChildClassId(type); }

    void Save(const char* name, CPersistStorage& storage) { m_list.Save(name, storage); }
    void Load(const char* name, CPersistStorage& storage)
    {
        m_list.Load(name, storage);
        UDataListUtils::DropForeignItems(m_list, m_type);
    }

    // The list takes the item.
    void Add(T* item) { m_list.Add(item); }
    // Puts the item before the one at the index.
    void AddAt(T* item, int index) { m_list.AddAt(item, index); }
    // Takes the item out; the caller owns it again.
    void Remove(T* item) { m_list.Remove(item); }
    // Takes an item of the list out and deletes it; anything else is left alone.
    void Delete(T* item) { URecordListUtils::Delete(m_list, item); }
    T* At(int index) const { return static_cast<T*>(m_list.GetAt(index)); }
    // The item at the index, or the first one when there is none there.
    T* AtOrFirst(int index) const { return At(index) ? At(index) : At(0); }
    // An index past the items becomes 0.
    unsigned char IndexInRange(unsigned char index) const { return index < Count() ? index : 0; }
    // Removes and deletes every item, from the last to the first.
    void DeleteAll()
    {
        for (int i = Count() - 1; i >= 0; --i) {
            T* item = At(i);
            m_list.Remove(item);
            delete item;
        }
    }
    int Count() const { return m_list.GetItemCount(); }
    int IndexOf(const T* item) const { return m_list.GetIndex(item); }
    CPersistList& List() { return m_list; }
    const CPersistList& List() const { return m_list; }

private:
    LONG m_type;
    CPersistList m_list{true};
};
