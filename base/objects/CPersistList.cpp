#include "CPersistList.h"

#include "CMetaClassController.h"
#include "CPersistStorage.h"

#include <cstdio>

MV_IMPLEMENT_PERSIST_CLASS(CPersistList, CPersistObject, FourCharCode("list"))

const char* const CPersistList::kPersistListCountTag = "count";
const char* const CPersistList::kPersistListTypeTag = "type %d";
const char* const CPersistList::kPersistListItemTag = "item %d";

namespace {

// Notification arguments carry pointers.
long AsArgument(CPersistObject* item)
{
    return reinterpret_cast<long>(item);
}

}

CPersistList::CPersistList(bool ownsItems) : m_ownsItems(ownsItems) {}

CPersistList::CPersistList(const CPersistList& other)
    : CPersistObject(other), m_items(other.m_items), m_ownsItems(other.m_ownsItems),
      m_childClassId(other.m_childClassId)
{
    m_items.RemoveAll();
    CopyItems(other);
}

CPersistList& CPersistList::operator=(const CPersistList& other)
{
    if (this == &other) return *this;
    Clear();
    CPersistObject::operator=(other);
    CopyItems(other);
    return *this;
}

void CPersistList::CopyItems(const CPersistList& other)
{
    for (int i = 0; i < other.GetItemCount(); ++i) Add(other.GetAt(i)->Clone());
}

CPersistList::~CPersistList()
{
    CPersistList::Clear();
}

bool CPersistList::IsList() const
{
    return true;
}

void CPersistList::Clear()
{
    for (int i = m_items.GetItemCount() - 1; i >= 0; i = m_items.GetItemCount() - 1) {
        auto* item = static_cast<CPersistObject*>(m_items.GetAt(i));
        m_items.RemoveAt(i);
        Notify(kListItemRemovedNotice, AsArgument(item), 0);
        if (m_ownsItems) delete item;
    }
    CPersistObject::Clear();
}

void CPersistList::AddAt(CPersistObject* item, int index)
{
    m_items.Add(item, index);
    Notify(kListItemAddedNotice, AsArgument(item), index);
}

void CPersistList::Add(CPersistObject* item)
{
    m_items.Add(item);
    Notify(kListItemAddedNotice, AsArgument(item), -1);
}

void CPersistList::Remove(CPersistObject* item)
{
    m_items.Remove(item);
    Notify(kListItemRemovedNotice, AsArgument(item), 0);
}

void CPersistList::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    LONG count = GetItemCount();
    storage.Save(kPersistListCountTag, count);
    char tag[32];
    for (LONG i = 0; i < count; ++i) {
        CPersistObject* item = GetAt(i);
        std::snprintf(tag, sizeof tag, kPersistListTypeTag, i);
        storage.Save(tag, item->GetObjectType());
        std::snprintf(tag, sizeof tag, kPersistListItemTag, i);
        item->Save(tag, storage);
    }
}

void CPersistList::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    LONG count = 0;
    storage.Load(kPersistListCountTag, count);
    char tag[32];
    // A failed load ends the loop: a hostile count runs no longer than the stream lasts.
    for (LONG i = 0; i < count && !storage.LoadFailed(); ++i) {
        // Items are saved one after another: the first absent one ends the list, whatever
        // the count claims.
        std::snprintf(tag, sizeof tag, kPersistListItemTag, i);
        if (storage.IsObjectMissing(tag)) break;
        LONG type = 0;
        std::snprintf(tag, sizeof tag, kPersistListTypeTag, i);
        storage.Load(tag, type);
        if (type == 0) type = m_childClassId;
        CPersistObject* item = CMetaClassController::CreateOne(type);
        if (!item) {
            // Its values stay in the stream: what follows could only be misread.
            if (storage.ReadsByPosition()) storage.FailLoad();
            continue;
        }
        std::snprintf(tag, sizeof tag, kPersistListItemTag, i);
        item->Load(tag, storage);
        if (storage.LoadFailed()) {
            delete item;
            break;
        }
        Add(item);
    }
}
