#pragma once
// Typed searches over the engine's owning persistent lists.
#include "CPersistList.h"
#include "afx/CString.h"

template <typename T, typename Match>
T* FindInPersistList(const CPersistList& list, Match match)
{
    for (int i = 0; i < list.GetItemCount(); ++i) {
        auto* item = dynamic_cast<T*>(list.GetAt(i));
        if (item && match(*item)) return item;
    }
    return nullptr;
}

template <typename T>
T* PersistListItem(const CPersistList& list, int index)
{
    return index >= 0 && index < list.GetItemCount() ? dynamic_cast<T*>(list.GetAt(index)) : nullptr;
}

// Takes the item out without deleting it: the caller owns it again (the settings
// dialog moves chains by taking them out and inserting them elsewhere).
inline void RemoveFromPersistList(CPersistList& list, CPersistObject* item)
{
    if (item && list.GetIndex(item) >= 0) list.Remove(item);
}

// The extension entry equal to the lower-cased text.
template <typename T>
T* FindExtensionIn(const CPersistList& list, const char* extension)
{
    CString key(extension ? extension : "");
    key.MakeLower();
    return FindInPersistList<T>(list, [&](const T& entry) { return entry.GetExtension() == key; });
}

template <typename T>
T* FindOrAddExtensionIn(CPersistList& list, const char* extension)
{
    if (T* found = FindExtensionIn<T>(list, extension)) return found;
    auto* entry = new T;
    entry->SetExtension(extension);
    list.Add(entry);
    return entry;
}
