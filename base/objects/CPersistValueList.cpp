#include "CPersistValueList.h"

#include "CPersistStorage.h"

#include <cstdio>

MV_IMPLEMENT_PERSIST_CLASS(CPersistValueList, CPersistObject, FourCharCode("vals"))

const char* const CPersistValueList::kPersistValueListCountTag = "count";
const char* const CPersistValueList::kPersistValueListValueTag = "value %d";

CPersistValueList& CPersistValueList::operator=(const CPersistValueList& other)
{
    if (this == &other) return *this;
    Clear();
    CPersistObject::operator=(other);
    for (int i = 0; i < other.GetItemCount(); ++i) Add(other.GetAt(i));
    return *this;
}

bool CPersistValueList::IsList() const
{
    return true;
}

void CPersistValueList::Clear()
{
    m_values.RemoveAll();
    CPersistObject::Clear();
}

void CPersistValueList::AddAt(LONG value, int index)
{
    m_values.Add(value, index);
    Notify(kValueAddedNotice, value, index);
}

void CPersistValueList::Add(LONG value)
{
    m_values.Add(value);
    Notify(kValueAddedNotice, value, -1);
}

void CPersistValueList::Remove(LONG value)
{
    m_values.Remove(value);
    Notify(kValueRemovedNotice, value, 0);
}

void CPersistValueList::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    LONG count = GetItemCount();
    storage.Save(kPersistValueListCountTag, count);
    char tag[32];
    for (LONG i = 0; i < count; ++i) {
        std::snprintf(tag, sizeof tag, kPersistValueListValueTag, i);
        storage.Save(tag, GetAt(i));
    }
}

void CPersistValueList::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    LONG count = 0;
    storage.Load(kPersistValueListCountTag, count);
    char tag[32];
    for (LONG i = 0; i < count && !storage.LoadFailed(); ++i) {
        LONG value = 0;
        std::snprintf(tag, sizeof tag, kPersistValueListValueTag, i);
        storage.Load(tag, value);
        if (!storage.LoadFailed()) m_values.Add(value);
    }
}
